#pragma once
// The look-and-feel painters: stateless classes whose operations a styled control calls for
// the colours, widths and drawing of its visual state. Each painter class has one shared
// instance.

#include <windows.h>

#include "base/colors.h"
#include "base/geometry.h"

// A button's visual state, in the order of its colour slots.
enum TcxButtonState { cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled };

class TcxCustomLookAndFeelPainter {
  public:
    virtual int FrameWidth(TcxButtonState state) const = 0;
    virtual TColor FaceColor(TcxButtonState state) const = 0;
    // Where the focus rectangle goes in a button's client rectangle.
    virtual TRect FocusBounds(const TRect& client) const = 0;
    // How far the caption moves while pressed.
    virtual int CaptionShift() const = 0;
    virtual TColor CaptionColor(TcxButtonState state, TColor fontColor) const = 0;
    // Frame and face; a face colour of clDefault takes the painter's FaceColor.
    virtual void PaintButton(HDC dc, const TRect& r, TcxButtonState state, bool withFrame,
                             TColor face) const = 0;
    virtual void PaintFrame(HDC dc, const TRect& r, TcxButtonState state) const = 0;
    // Whether the hot state shows.
    virtual bool TracksHot() const = 0;

  protected:
    ~TcxCustomLookAndFeelPainter() = default;
};
