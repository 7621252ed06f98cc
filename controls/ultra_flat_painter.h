#pragma once
// The ultra-flat look: square corners, a one-pixel frame (two for the default state), a face
// that turns to a tint of the highlight colour under the pointer and while pressed.

#include "controls/look_and_feel_painter.h"

class TcxUltraFlatLookAndFeelPainter final : public TcxCustomLookAndFeelPainter {
  public:
    static const TcxUltraFlatLookAndFeelPainter& Instance();

    int FrameWidth(TcxButtonState state) const override;
    TColor FaceColor(TcxButtonState state) const override;
    TRect FocusBounds(const TRect& client) const override;
    int CaptionShift() const override { return 0; }
    TColor CaptionColor(TcxButtonState state, TColor fontColor) const override;
    void PaintButton(HDC dc, const TRect& r, TcxButtonState state, bool withFrame,
                     TColor face) const override;
    void PaintFrame(HDC dc, const TRect& r, TcxButtonState state) const override;
    bool TracksHot() const override { return true; }
};
