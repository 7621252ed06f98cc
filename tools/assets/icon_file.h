#pragma once
// Writes Windows icon files (.ico). A 256 x 256 image is stored as an 8-bit RGBA PNG stream, every
// other one as a 32-bit BITMAPINFOHEADER bitmap with its AND mask.

#include <cstdint>
#include <vector>

// A picture of width x height pixels, top row first, four bytes per pixel in red, green, blue,
// alpha order, alpha not premultiplied (what ImageMagick's "rgba:" output holds).
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};

// The .ico file with the images in the given order. Each side must be 1 to 256 pixels and the
// sample count must match the size, or EAssetError is raised. A PNG image keeps every sample as
// given. In a stored bitmap a pixel with alpha 0 has all four bytes 0 and its AND-mask bit set;
// every other pixel keeps its colour and alpha and has its mask bit clear, so code that ignores
// alpha draws the same outline.
std::vector<uint8_t> BuildIconFile(const std::vector<RgbaImage>& images);
