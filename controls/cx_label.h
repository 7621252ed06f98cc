#pragma once
// A caption label drawn over its parent's backdrop when transparent. It never takes the focus.

#include <optional>

#include "base/win/offscreen.h"
#include "framework/win_control.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment { taTopJustify, taBottomJustify, taVCenter };

class TcxLabel : public TWinControl {
  public:
    explicit TcxLabel(TComponent* owner);
    const char* ClassName() const override { return "TcxLabel"; }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    TAlignment AlignmentHorz() const { return horz_; }
    TVerticalAlignment AlignmentVert() const { return vert_; }
    bool AutoSize() const { return autoSize_; }
    bool HasAnchorX() const { return anchorX_.has_value(); }
    int AnchorX() const { return anchorX_.value_or(0); }

    // The label's bounds inset by 2 pixels on every side: where it draws.
    TRect ContentRect() const { return ClientRect().Inflated(-2); }
    // Flags for DrawText derived from the alignment; the caller adds DT_NOCLIP when the text
    // fits.
    UINT TextFlags() const;

    bool CanFocus() const override { return false; }
    void WndProc(TMessage& m) override;
    bool ReadProperty(TReader& reader, const DescProperty& prop) override;

  protected:
    void EraseBackground(HDC dc) override;
    void Paint(HDC dc) override;
    void TextChanged() override;
    void EnabledChanged() override;

  private:
    void DrawCaption(HDC dc, const TRect& r);

    bool transparent_ = false;
    bool autoSize_ = true;
    TAlignment horz_ = taLeftJustify;
    TVerticalAlignment vert_ = taTopJustify;
    std::optional<int> anchorX_;
    std::optional<int> anchorY_;
    OffscreenBitmap cache_;
};
