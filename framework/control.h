#pragma once
// A control of a window: bounds, visibility, enabled state, colour, font and text, and its
// place in a parent. Message handling for windowed controls is in TWinControl.

#include <array>
#include <string>

#include "base/colors.h"
#include "base/geometry.h"
#include "framework/component.h"
#include "framework/events.h"
#include "framework/font.h"
#include "framework/messages.h"

class IFocusHost;
class TWinControl;
class TForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
// The names the window description gives the values, in their order.
inline constexpr std::array kAlignNames{"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};

// Transient states of a control.
enum TControlStateFlag : unsigned {
    csLButtonDown = 1, // the left mouse button went down on the control and is still down
    csPaintCopy = 2,   // the control is being painted into another control's backdrop
};

class TControl : public TComponent {
  public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    const char* ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TForm* ParentForm() const;
    // The form at the root of the control's parents, through its seam; nullptr when the root is
    // no form.
    IFocusHost* FocusHost() const;
    // The seam a root control offers its children: a form's, nullptr for anything else.
    virtual IFocusHost* AsFocusHost() { return nullptr; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    TRect BoundsRect() const { return ::BoundsRect(left_, top_, width_, height_); }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual TRect ClientRect() const { return {0, 0, width_, height_}; }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);

    // The caption or text, in the system's 8-bit code page.
    const std::string& Text() const { return text_; }
    virtual void SetText(const std::string& text);

    unsigned ControlState() const { return state_; }
    void IncludeState(unsigned f) { state_ |= f; }
    void ExcludeState(unsigned f) { state_ &= ~f; }

    // Handles a message synchronously, as the control's window would.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual void WndProc(TMessage& m);

    bool ReadProperty(TReader& reader, const DescProperty& prop) override;

    // Multiplies the bounds by m / d (edges rounded independently) and, unless the control
    // follows its parent's font, the font height.
    virtual void ChangeScale(int m, int d);

  protected:
    // The bounds changed after SetBounds or because the window moved.
    virtual void BoundsChanged() {}
    // Stores bounds without touching a window: for windows that report their own moves.
    void StoreBounds(int left, int top, int width, int height);
    // Stores the text that the window already shows (typed by the user, for instance).
    void StoreText(std::string text) { text_ = std::move(text); }
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged();
    virtual void VisibleChanged();
    virtual void EnabledChanged();

  private:
    void ParentFontChanged();
    void ParentColorChanged();

    TWinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TAlign align_ = alNone;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool followingParent_ = false;
    std::string text_;
    unsigned state_ = 0;

    friend class TWinControl;
};
