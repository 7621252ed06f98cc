#include "picture/row_unpacker.h"

#include <cstring>

#include "picture/byte_reader.h"
#include "picture/png_types.h"

namespace {

// Sample i of a row of one-sample pixels, at its full depth.
inline uint32_t Sample(const uint8_t* row, uint32_t i, uint32_t depth) {
    switch (depth) {
    case 8:
        return row[i];
    case 16:
        return uint32_t(row[2 * i]) << 8 | row[2 * i + 1];
    default: {
        const uint32_t bit = i * depth;
        return (row[bit >> 3] >> (8 - depth - (bit & 7))) & ((1u << depth) - 1);
    }
    }
}

// Sets a colour-table index in a zero-filled bitmap line.
inline void SetIndex(uint8_t* line, uint32_t x, uint32_t v, uint32_t bitCount) {
    switch (bitCount) {
    case 1:
        line[x >> 3] |= uint8_t(v << (7 - (x & 7)));
        break;
    case 4:
        line[x >> 1] |= uint8_t(v << ((x & 1) ? 0 : 4));
        break;
    default:
        line[x] = uint8_t(v);
    }
}

} // namespace

TRowUnpacker::TRowUnpacker(uint8_t colorType, uint8_t bitDepth, const TGammaTables& gamma,
                           const TRowTransparency& trns, TDecodedImage& image)
    : colorType_(colorType), depth_(bitDepth), gamma_(gamma.GammaTable()), identity_(gamma.IsIdentity()),
      trns_(trns), image_(image) {}

bool TRowUnpacker::StoresRowsAsBGR() const {
    return colorType_ == ctRGB && depth_ == 8 && identity_ && !image_.HasAlpha();
}

void TRowUnpacker::Unpack(const uint8_t* row, uint32_t y, uint32_t x0, uint32_t dx, uint32_t count) {
    uint8_t* line = image_.Line(y);
    uint8_t* alpha = image_.HasAlpha() ? image_.AlphaLine(y) : nullptr;
    switch (colorType_) {
    case ctGrayscale:
    case ctPalette:
        UnpackIndexed(row, line, alpha, x0, dx, count);
        break;
    case ctRGB:
        UnpackRGB(row, line, alpha, x0, dx, count);
        break;
    default:
        UnpackAlpha(row, line, alpha, x0, dx, count);
    }
}

void TRowUnpacker::UnpackIndexed(const uint8_t* row, uint8_t* line, uint8_t* alpha, uint32_t x0, uint32_t dx,
                                 uint32_t count) {
    const uint32_t bitCount = image_.BitCount();
    if (dx == 1 && depth_ == bitCount) {
        // Same packing in the row and the bitmap: copy, clearing the row's unused last bits.
        const uint32_t bits = count * depth_;
        std::memcpy(line, row, (bits + 7) / 8);
        if (bits & 7)
            line[bits / 8] &= uint8_t(0xFF << (8 - (bits & 7)));
    } else {
        for (uint32_t i = 0, x = x0; i < count; ++i, x += dx) {
            const uint32_t v = Sample(row, i, depth_);
            SetIndex(line, x, depth_ == 16 ? v >> 8 : v, bitCount);
        }
    }
    if (!alpha)
        return;
    for (uint32_t i = 0, x = x0; i < count; ++i, x += dx) {
        const uint32_t v = Sample(row, i, depth_);
        alpha[x] = colorType_ == ctPalette ? trns_.paletteAlpha[v & 255] : (v == trns_.color[0] ? 0 : 255);
    }
}

void TRowUnpacker::UnpackRGB(const uint8_t* row, uint8_t* line, uint8_t* alpha, uint32_t x0, uint32_t dx,
                             uint32_t count) {
    const uint8_t* g = gamma_;
    uint8_t* d = line + size_t(x0) * 3;
    const size_t step = size_t(dx) * 3;
    if (depth_ == 8) {
        const uint8_t* s = row;
        if (identity_ && dx == 1) {
            for (uint32_t i = 0; i < count; ++i, s += 3, d += 3) {
                d[0] = s[2];
                d[1] = s[1];
                d[2] = s[0];
            }
        } else {
            for (uint32_t i = 0; i < count; ++i, s += 3, d += step) {
                d[0] = g[s[2]];
                d[1] = g[s[1]];
                d[2] = g[s[0]];
            }
        }
        if (alpha) {
            s = row;
            for (uint32_t i = 0, x = x0; i < count; ++i, x += dx, s += 3)
                alpha[x] =
                    s[0] == trns_.color[0] && s[1] == trns_.color[1] && s[2] == trns_.color[2] ? 0 : 255;
        }
        return;
    }
    const uint8_t* s = row;
    for (uint32_t i = 0, x = x0; i < count; ++i, x += dx, s += 6, d += step) {
        d[0] = g[s[4]];
        d[1] = g[s[2]];
        d[2] = g[s[0]];
        if (alpha) {
            const bool same = LoadU16BE(s) == trns_.color[0] && LoadU16BE(s + 2) == trns_.color[1] &&
                              LoadU16BE(s + 4) == trns_.color[2];
            alpha[x] = same ? 0 : 255;
        }
    }
}

void TRowUnpacker::UnpackAlpha(const uint8_t* row, uint8_t* line, uint8_t* alpha, uint32_t x0, uint32_t dx,
                               uint32_t count) {
    // Colour types 4 (grey, alpha) and 6 (red, green, blue, alpha); 16-bit samples keep their
    // high byte.
    const uint32_t samples = colorType_ == ctGrayscaleAlpha ? 2 : 4;
    const uint32_t bytes = depth_ / 8;
    const size_t pixelSize = size_t(samples) * bytes;
    const uint8_t* s = row;
    if (colorType_ == ctGrayscaleAlpha) {
        for (uint32_t i = 0, x = x0; i < count; ++i, x += dx, s += pixelSize) {
            line[x] = s[0];
            alpha[x] = s[bytes];
        }
        return;
    }
    const uint8_t* g = gamma_;
    for (uint32_t i = 0, x = x0; i < count; ++i, x += dx, s += pixelSize) {
        uint8_t* d = line + size_t(x) * 3;
        d[0] = g[s[2 * bytes]];
        d[1] = g[s[bytes]];
        d[2] = g[s[0]];
        alpha[x] = s[3 * bytes];
    }
}
