#pragma once
// libpng as the reference decoder of the conformance tests: every image expanded to 8-bit RGBA
// (palette to colours, grey to three samples, tRNS to alpha, 16-bit samples to their high byte),
// without any gamma correction.

#include <cstdint>
#include <vector>

struct TReferenceImage {
    uint32_t width = 0;
    uint32_t height = 0;
    bool hasAlpha = false;     // an alpha channel or a valid tRNS chunk
    std::vector<uint8_t> rgba; // top-down
};

TReferenceImage DecodeWithLibpng(const std::vector<uint8_t>& png);
