#pragma once
// Sizes between pixels and HIMETRIC units (2540 per inch) at the screen's resolution, rounded as
// MulDiv rounds.

#include "framework/screen.h"

#include <windows.h>

constexpr int kHimetricPerInch = 2540;

inline int PixelsToHimetric(int pixels) {
    return MulDiv(pixels, kHimetricPerInch, Screen().PixelsPerInch());
}

inline int HimetricToPixels(int himetric) {
    return MulDiv(himetric, Screen().PixelsPerInch(), kHimetricPerInch);
}
