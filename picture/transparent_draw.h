#pragma once
// The arithmetic of drawing a transparent PNG over what a destination already shows, kept portable:
// the Windows side reads the destination into a 32-bit surface, draws on it here and copies it
// back. Single-colour masking copies every pixel whose alpha is not 0 and leaves the others;
// per-pixel blending mixes every pixel with the destination by its alpha.

#include <cstddef>
#include <cstdint>

#include "base/geometry.h"
#include "picture/chunk_ihdr.h"
#include "picture/decoded_image.h"

// Pixels of 4 bytes, blue, green, red and one unused, rows from the top.
struct TBgrxSurface {
    uint8_t* bits;
    int width;
    int height;
    size_t stride;
};

// (src * a + dst * (255 - a)) / 255, rounded to the nearest integer.
inline uint8_t BlendChannel(uint8_t src, uint8_t dst, uint8_t a) {
    return uint8_t((src * a + dst * (255 - a) + 127) / 255);
}

// Draws the image stretched to dest (surface coordinates; it may reach past the surface), each
// destination pixel taking the source pixel under it (nearest neighbour), by the given mode.
void DrawOnSurface(const TDecodedImage& image, TTransparencyMode mode, const TRect& dest,
                   TBgrxSurface& surface);
