#pragma once
// Paints into a device context what a control's parent shows under a rectangle of the control
// (in the control's coordinates), so that the rectangle's top-left corner lands on the
// context's origin. With siblings, the parent's visible children created before the
// control are painted over it too. Transparent controls draw themselves over this backdrop.

#include <windows.h>

#include "base/geometry.h"

class TWinControl;

void PaintParentBackdrop(TWinControl& control, HDC dc, const TRect& rect, bool withSiblings);
