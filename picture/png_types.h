#pragma once
// The numbers a PNG file stores for its colour type (in the header) and for each row's filter.

#include <cstdint>

// Which channels a pixel has, and whether its samples index the palette.
enum TPNGColorType : uint8_t {
    ctGrayscale = 0,
    ctRGB = 2,
    ctPalette = 3,
    ctGrayscaleAlpha = 4,
    ctRGBAlpha = 6,
};

// How a row was predicted from its left and upper neighbours before compression.
enum TPNGFilterType : uint8_t {
    ftNone = 0,
    ftSub = 1,
    ftUp = 2,
    ftAverage = 3,
    ftPaeth = 4,
};
