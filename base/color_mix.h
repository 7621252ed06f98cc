#pragma once
// Mixing three RGB colours (0x00BBGGRR) by signed percentage weights, as the flat buttons'
// hot and pressed tints are made from the button face, highlight and window colours.

#include <cstdint>

struct ColorWeights {
    int face;
    int highlight;
    int window;
};

// Each channel is the sum of MulDiv(channel, weight, 100) over the three colours, each term
// rounded to nearest with halves away from zero, clamped to 0..255. A face that is exactly
// black or white gives no usable tint: the highlight colour is answered instead.
uint32_t MixColors(uint32_t face, uint32_t highlight, uint32_t window, ColorWeights weights);
