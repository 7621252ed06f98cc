#include "picture/row_packer.h"

#include "picture/chunk_ihdr.h"
#include "picture/png_types.h"

#include <cstring>

namespace {

inline uint8_t* Put(uint8_t* d, uint16_t v, bool wide) {
    if (wide) {
        d[0] = uint8_t(v >> 8);
        d[1] = uint8_t(v);
        return d + 2;
    }
    d[0] = uint8_t(v);
    return d + 1;
}

} // namespace

TRowPacker::TRowPacker(uint8_t colorType, uint8_t bitDepth, uint8_t writtenDepth, const TGammaTables& gamma,
                       const uint16_t* transparent, const TDecodedImage& image)
    : colorType_(colorType), bitDepth_(bitDepth), writtenDepth_(writtenDepth),
      bitsPerPixel_(ChannelsOfColorType(colorType) * writtenDepth), gamma_(gamma),
      hasTransparent_(transparent != nullptr), image_(image) {
    if (!transparent)
        return;
    for (int c = 0; c < 3; ++c) {
        transparent_[c] = transparent[c];
        if (bitDepth_ != 8 || transparent[c] > 255)
            continue;
        for (int v = 0; v < 256; ++v)
            if (v != transparent[c] && gamma.Gamma(uint8_t(v)) == gamma.Gamma(uint8_t(transparent[c])))
                alternative_[c] = v;
    }
}

void TRowPacker::Pack(uint32_t y, uint32_t x0, uint32_t dx, uint32_t count, uint8_t* row) const {
    if (colorType_ == ctGrayscale && bitDepth_ == 16)
        PackGrey16(y, x0, dx, count, row);
    else if (colorType_ == ctGrayscale || colorType_ == ctPalette)
        PackIndexed(y, x0, dx, count, row);
    else
        PackColor(y, x0, dx, count, row);
}

void TRowPacker::PackIndexed(uint32_t y, uint32_t x0, uint32_t dx, uint32_t count, uint8_t* row) const {
    const uint32_t bytes = RowBytes(count);
    const bool scaleGrey = colorType_ == ctGrayscale && bitDepth_ == 2;
    if (dx == 1 && !scaleGrey) {
        // The bitmap line has the written packing already, with its unused bits clear.
        std::memcpy(row, image_.Line(y), bytes);
        return;
    }
    std::memset(row, 0, bytes);
    const uint32_t depth = writtenDepth_;
    for (uint32_t i = 0, x = x0; i < count; ++i, x += dx) {
        const uint32_t v = scaleGrey ? image_.Index(x, y) * 5u : image_.Index(x, y);
        const uint32_t bit = i * depth;
        row[bit >> 3] |= uint8_t(v << (8 - depth - (bit & 7)));
    }
}

void TRowPacker::PackGrey16(uint32_t y, uint32_t x0, uint32_t dx, uint32_t count, uint8_t* row) const {
    const uint8_t* line = image_.Line(y);
    const uint8_t* alpha = image_.HasAlpha() ? image_.AlphaLine(y) : nullptr;
    uint8_t* d = row;
    for (uint32_t i = 0, x = x0; i < count; ++i, x += dx) {
        uint16_t v = uint16_t(line[x] * 257);
        if (hasTransparent_ && alpha[x] == 0)
            v = transparent_[0];
        else if (hasTransparent_ && v == transparent_[0])
            v ^= 1;
        d = Put(d, v, true);
    }
}

void TRowPacker::PackColor(uint32_t y, uint32_t x0, uint32_t dx, uint32_t count, uint8_t* row) const {
    const uint8_t* line = image_.Line(y);
    const uint8_t* alpha = image_.HasAlpha() ? image_.AlphaLine(y) : nullptr;
    const bool wide = writtenDepth_ == 16;
    const uint16_t scale = wide ? 257 : 1;
    uint8_t* d = row;
    if (colorType_ == ctGrayscaleAlpha) {
        for (uint32_t i = 0, x = x0; i < count; ++i, x += dx) {
            d = Put(d, uint16_t(line[x] * scale), wide);
            d = Put(d, uint16_t(alpha[x] * scale), wide);
        }
        return;
    }
    if (colorType_ == ctRGB && !wide && gamma_.IsIdentity() && dx == 1 && !hasTransparent_) {
        const uint8_t* s = line;
        for (uint32_t i = 0; i < count; ++i, s += 3, d += 3) {
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
        }
        return;
    }
    for (uint32_t i = 0, x = x0; i < count; ++i, x += dx) {
        const uint8_t* s = line + size_t(x) * 3;
        uint16_t w[3] = {uint16_t(gamma_.Inverse(s[2]) * scale), uint16_t(gamma_.Inverse(s[1]) * scale),
                         uint16_t(gamma_.Inverse(s[0]) * scale)};
        if (hasTransparent_) {
            if (alpha[x] == 0)
                std::memcpy(w, transparent_, sizeof w);
            else
                AvoidTransparent(w);
        }
        for (uint16_t v : w)
            d = Put(d, v, wide);
        if (colorType_ == ctRGBAlpha)
            d = Put(d, uint16_t(alpha[x] * scale), wide);
    }
}

void TRowPacker::AvoidTransparent(uint16_t w[3]) const {
    if (w[0] != transparent_[0] || w[1] != transparent_[1] || w[2] != transparent_[2])
        return;
    if (writtenDepth_ == 16) {
        w[0] ^= 1;
        return;
    }
    // The pixel was opaque, so in some sample its stored value differed from the transparent one
    // while the gamma table showed both alike: that sample has an alternative.
    for (int c = 0; c < 3; ++c)
        if (alternative_[c] >= 0) {
            w[c] = uint16_t(alternative_[c]);
            return;
        }
}
