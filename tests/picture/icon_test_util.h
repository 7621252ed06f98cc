#pragma once
// .ico files built in the tests: images of one colour whose left half the mask hides.

#include <cstdint>
#include <vector>

#include "picture/byte_reader.h"

struct TTestIconImage {
    uint32_t width;
    uint32_t height;
    uint16_t bitCount = 24;        // 1, 4, 8, 24 or 32
    uint32_t rgb = 0x2040C0;       // the colour of the shown half (a table entry below 24 bits)
    std::vector<uint8_t> png = {}; // when set, the image is this PNG stream instead
};

inline void AppendTestLE(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

// A bitmap image: header (height doubled), colour table, colour rows, mask rows, all bottom-up.
inline std::vector<uint8_t> TestIconBitmap(const TTestIconImage& image) {
    const uint32_t w = image.width;
    const uint32_t h = image.height;
    const uint16_t bc = image.bitCount;
    const uint32_t colors = bc <= 8 ? 1u << bc : 0;
    std::vector<uint8_t> out;
    for (uint32_t v : {40u, w, 2 * h})
        AppendTestLE(out, v, 4);
    AppendTestLE(out, 1, 2);
    AppendTestLE(out, bc, 2);
    for (int i = 0; i < 6; ++i)
        AppendTestLE(out, 0, 4);
    for (uint32_t i = 0; i < colors; ++i) // entry 1 is the colour, the rest black
        AppendTestLE(out, i == 1 ? image.rgb & 0xFFFFFF : 0, 4);
    const uint32_t colorStride = (w * bc + 31) / 32 * 4;
    const uint32_t maskStride = (w + 31) / 32 * 4;
    for (uint32_t y = 0; y < h; ++y) {
        std::vector<uint8_t> row(colorStride, 0);
        for (uint32_t x = w / 2; x < w; ++x) {
            if (bc <= 8) {
                const uint32_t bit = x * bc;
                row[bit / 8] = uint8_t(row[bit / 8] | 1u << (8 - bc - bit % 8));
            } else {
                const uint32_t rgb = image.rgb;
                uint8_t* p = &row[x * bc / 8];
                p[0] = uint8_t(rgb), p[1] = uint8_t(rgb >> 8), p[2] = uint8_t(rgb >> 16);
                if (bc == 32)
                    p[3] = 0; // no alpha anywhere: the mask decides
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (uint32_t y = 0; y < h; ++y) {
        std::vector<uint8_t> row(maskStride, 0);
        for (uint32_t x = 0; x < w / 2; ++x)
            row[x / 8] = uint8_t(row[x / 8] | 0x80u >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// The .ico file: header, directory (sizes as given, bit count as given), images in order.
inline std::vector<uint8_t> TestIconFile(const std::vector<TTestIconImage>& images) {
    std::vector<uint8_t> out;
    AppendTestLE(out, 0, 2);
    AppendTestLE(out, 1, 2);
    AppendTestLE(out, uint32_t(images.size()), 2);
    std::vector<std::vector<uint8_t>> data;
    size_t offset = 6 + 16 * images.size();
    for (const TTestIconImage& image : images) {
        data.push_back(image.png.empty() ? TestIconBitmap(image) : image.png);
        out.push_back(uint8_t(image.width)); // 256 is stored as 0
        out.push_back(uint8_t(image.height));
        out.push_back(0);
        out.push_back(0);
        AppendTestLE(out, 1, 2);
        AppendTestLE(out, image.bitCount, 2);
        AppendTestLE(out, uint32_t(data.back().size()), 4);
        AppendTestLE(out, uint32_t(offset), 4);
        offset += data.back().size();
    }
    for (const std::vector<uint8_t>& d : data)
        out.insert(out.end(), d.begin(), d.end());
    return out;
}

// Overwrites the little-endian value at `at`.
inline void PokeTestLE(std::vector<uint8_t>& file, size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        file[at + i] = uint8_t(v >> (8 * i));
}
