#pragma once
// Pass geometry of PNG interlacing: an image is sent as one pass over every pixel (method 0) or
// as the seven Adam7 passes (method 1), each a sub-image of every dx-th column from x0 and every
// dy-th row from y0.

#include <cstdint>

struct TPass {
    uint32_t x0, y0, dx, dy;

    // Columns and rows of this pass in an image of the given size (0 when the pass is empty).
    uint32_t Columns(uint32_t width) const { return width > x0 ? (width - x0 + dx - 1) / dx : 0; }
    uint32_t Rows(uint32_t height) const { return height > y0 ? (height - y0 + dy - 1) / dy : 0; }
};

constexpr TPass kWholeImagePass = {0, 0, 1, 1};
constexpr TPass kAdam7Passes[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                   {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

// The passes of an interlace method (0 or 1).
struct TPassList {
    const TPass* first;
    int count;
};

constexpr TPassList PassesOf(uint8_t interlaceMethod) {
    return interlaceMethod == 1 ? TPassList{kAdam7Passes, 7} : TPassList{&kWholeImagePass, 1};
}
