#pragma once
// The writer's side of the display layout: builds the PNG row of an image row from the decoded
// image, at the bit depth the header is written with (2-bit samples as 4-bit, the others at their
// own depth). Colour samples go back through the inverse of the gamma table the reader used;
// colour-table indices and alpha go unchanged (they never went through the table). 2-bit grey
// levels, shown as indices 0 to 3, are written as 4-bit levels 0, 5, 10, 15, which show the same
// grey. 16-bit samples are written as their kept high byte repeated (v * 257).
//
// The transparent colour of a tRNS chunk survives exactly: its pixels are written as that colour,
// and an opaque pixel that would be written equal to it gets another sample that shows the same
// (another value the gamma table maps alike, or a different low byte of a 16-bit sample).

#include <cstdint>

#include "picture/decoded_image.h"
#include "picture/png_gamma.h"

class TRowPacker {
  public:
    // transparent: the transparent colour as stored (grey in [0]), or nullptr.
    TRowPacker(uint8_t colorType, uint8_t bitDepth, uint8_t writtenDepth, const TGammaTables& gamma,
               const uint16_t* transparent, const TDecodedImage& image);

    // Bytes of a written row of count pixels.
    uint32_t RowBytes(uint32_t count) const { return (count * bitsPerPixel_ + 7) / 8; }
    // Bytes of a complete written pixel, at least 1 (the filters' distance).
    uint32_t PixelBytes() const { return bitsPerPixel_ >= 8 ? bitsPerPixel_ / 8 : 1; }

    // Writes the row of image row y for the columns x0, x0 + dx, ... (count of them).
    void Pack(uint32_t y, uint32_t x0, uint32_t dx, uint32_t count, uint8_t* row) const;

  private:
    void PackIndexed(uint32_t y, uint32_t x0, uint32_t dx, uint32_t count, uint8_t* row) const;
    void PackGrey16(uint32_t y, uint32_t x0, uint32_t dx, uint32_t count, uint8_t* row) const;
    void PackColor(uint32_t y, uint32_t x0, uint32_t dx, uint32_t count, uint8_t* row) const;
    // Written samples of an opaque pixel of colour type 2 (samples w, 8 or 16 bits each).
    void AvoidTransparent(uint16_t w[3]) const;

    uint8_t colorType_;
    uint8_t bitDepth_;
    uint8_t writtenDepth_;
    uint32_t bitsPerPixel_;
    const TGammaTables& gamma_;
    bool hasTransparent_;
    uint16_t transparent_[3] = {};
    // Per sample of the transparent colour (8-bit images): another value the gamma table maps
    // alike, or -1.
    int alternative_[3] = {-1, -1, -1};
    const TDecodedImage& image_;
};
