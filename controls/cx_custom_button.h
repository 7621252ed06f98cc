#pragma once
// The flat push button: a platform button whose every pixel the control paints itself, off
// screen, in the colours its look-and-feel painter gives the visual state. The platform tracks
// presses and Space and reports clicks; the button tracks the pointer for its hot look.

#include "controls/button_colors.h"
#include "controls/look_and_feel.h"
#include "framework/button.h"
#include "framework/mouse_tracking.h"

struct DescObject;

class TcxCustomButton : public TButton, public THotTracking {
  public:
    explicit TcxCustomButton(TComponent* owner);
    const char* ClassName() const override { return "TcxCustomButton"; }

    TcxButtonColors& Colors() { return colors_; }
    const TcxButtonColors& Colors() const { return colors_; }
    TcxLookAndFeel& LookAndFeel() { return lookAndFeel_; }
    const TcxLookAndFeel& LookAndFeel() const { return lookAndFeel_; }

    // The visual state a paint would show now.
    TcxButtonState State() const;
    // The pointer is over the button: Hot().
    // Face colour of the state before the painter's fallback (clDefault: the painter's), and
    // the caption colour of the state.
    TColor FaceColorOf(TcxButtonState state) const { return colors_.Face(state); }
    TColor CaptionColorOf(TcxButtonState state) const;

    bool ReadProperty(TReader& reader, const DescProperty& prop) override;
    // Writes the colour slots and look-and-feel values that were assigned, and only those.
    void WriteProperties(DescObject& object) const;

  protected:
    virtual const TcxCustomLookAndFeelPainter& Painter() const { return lookAndFeel_.Painter(); }
    void CreateParams(TCreateParams& params) override;
    // The platform's default-button look is never shown.
    void SetButtonStyle(bool) override {}
    void EnabledChanged() override;
    // The paint covers every pixel.
    void EraseBackground(HDC) override {}
    bool DrawItem(const DRAWITEMSTRUCT& item) override;
    void Command(WORD notification) override;
    void MouseDown(TMouseButton button, unsigned keys, TPoint p) override;
    void DblClick(TMouseButton button, unsigned keys, TPoint p) override;
    void MouseMove(unsigned keys, TPoint p) override;
    void MouseLeave() override { Leave(); }
    void CaptureChanged(HWND newCapture) override;

  private:
    // The mouse-leave tracker found the pointer gone.
    void HotLeft() override { Leave(); }
    void Enter();
    void Leave();
    // A press on a button without the focus first focuses it; answers whether it has it.
    bool FocusForPress();
    // Frame, face, caption and focus rectangle, in that order.
    void DrawButton(HDC dc);
    void DrawCaption(HDC dc, const TRect& area, TcxButtonState state);

    TcxButtonColors colors_;
    TcxLookAndFeel lookAndFeel_;
    bool pressed_ = false;
    bool clicksDisabled_ = false;
};
