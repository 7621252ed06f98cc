#pragma once
// A tint mixed from the current system colours (button face, highlight, window) by signed
// percentage weights, then mapped to the nearest colour the screen can show. Computed at each
// call, so it follows changes of the system colours.

#include "base/color_mix.h"
#include "base/colors.h"

TColor MixSystemColors(ColorWeights weights);

constexpr ColorWeights kHotFaceWeights{-2, 30, 72};
constexpr ColorWeights kPressedFaceWeights{14, 44, 40};
