#pragma once
// Scaling of a window laid out at one resolution for a screen with another.

#include "base/geometry.h"

// The window font's height at `screenPpi` for a height stored at `designPpi`: converted by the
// ratio of the resolutions unless it already equals the platform's default (8 point) height
// at the screen's resolution.
int ScaledFontHeight(int storedHeight, int screenPpi, int designPpi);

// Every edge multiplied by m / d with the platform's rounding; sizes follow from the edges.
TRect ScaledRect(const TRect& r, int m, int d);
