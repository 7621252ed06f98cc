#pragma once
// The caption label: draws its caption in its content rectangle (its bounds inset by 2 pixels)
// over its parent's backdrop when transparent, composed in a cached off-screen bitmap. It never
// takes the focus; its "&" letter, typed with Alt, focuses its FocusControl.

#include <array>
#include <optional>
#include <string>

#include "base/win/offscreen.h"
#include "framework/win_control.h"

struct DescObject;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment { taTopJustify, taBottomJustify, taVCenter };
// The names the window description gives the values, in the enumerations' order.
inline constexpr std::array kAlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};
inline constexpr std::array kVerticalAlignmentNames{"taTopJustify", "taBottomJustify", "taVCenter"};

class TcxLabel : public TWinControl {
  public:
    explicit TcxLabel(TComponent* owner);
    const char* ClassName() const override { return "TcxLabel"; }

    // The caption is the control's text.
    const std::string& Caption() const { return Text(); }
    void SetCaption(const std::string& caption) { SetText(caption); }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    void SetAlignmentHorz(TAlignment a);
    void SetAlignmentVert(TVerticalAlignment a);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control) { focusControl_ = control; }

    // The edges that stay in place when the label sizes itself to its caption: the right edge
    // (or centre) for AnchorX, the bottom (or middle) for AnchorY; 0 until read or computed.
    int AnchorX() const { return anchorX_.value_or(0); }
    int AnchorY() const { return anchorY_.value_or(0); }

    // The label's bounds inset by 2 pixels on every side: where it draws.
    TRect ContentRect() const { return ClientRect().Inflated(-2); }
    // Flags for DrawText from the alignment, accelerator and wrapping settings; the drawing
    // adds DT_NOCLIP when the text fits.
    UINT TextFlags() const;
    // The text colour: the font's, or clBtnShadow while disabled.
    TColor TextColor() const;

    bool CanFocus() const override { return false; }
    void DescribeAccessible(AccessibleTraits& traits) const override;
    bool ReadProperty(TReader& reader, const DescProperty& prop) override;
    void Loaded() override;
    // Writes the values decided at writing time: the horizontal alignment once assigned, the
    // vertical one unless top, and the anchors of a label not aligned left or top, computed
    // from its bounds.
    void WriteProperties(DescObject& object) const;

  protected:
    void EraseBackground(HDC dc) override;
    void Paint(HDC dc) override;
    void TextChanged() override;
    void EnabledChanged() override;
    void FontChanged() override;
    void BoundsChanged() override;
    bool DialogChar(char c) override;

  private:
    // Recomputes the size (AutoSize) and marks the cache to be redrawn.
    void LayoutChanged();
    void ApplyAutoSize();
    void DrawCaption(HDC dc, const TRect& r);
    int ComputedAnchorX() const;
    int ComputedAnchorY() const;

    bool transparent_ = false;
    bool autoSize_ = true;
    bool showAccelChar_ = true;
    bool wordWrap_ = false;
    TAlignment horz_ = taLeftJustify;
    bool horzAssigned_ = false;
    TVerticalAlignment vert_ = taTopJustify;
    std::optional<int> anchorX_;
    std::optional<int> anchorY_;
    TWinControl* focusControl_ = nullptr;
    std::string focusControlName_;
    OffscreenBitmap cache_;
    std::optional<TPoint> cachedAt_;
    bool needsRedraw_ = true;
    bool sizing_ = false;
};
