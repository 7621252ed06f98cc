#pragma once
// Puts reconstructed PNG rows into the display layout of the decoded image: colour samples
// through the gamma table into blue, green, red; grey levels and palette entries as colour-table
// indices (2-bit samples as 4-bit indices, 16-bit samples as their high byte); alpha samples
// unchanged into the alpha array, which for a transparent colour (tRNS of colour types 0 and 2)
// holds 0 where all samples equal it exactly, and for palette images each entry's tRNS alpha.
// The format is chosen once per row, never per pixel.

#include <array>
#include <cstdint>

#include "picture/decoded_image.h"
#include "picture/png_gamma.h"

struct TRowTransparency {
    bool hasColor = false;
    uint16_t color[3] = {}; // the transparent colour as stored, grey in all three
    std::array<uint8_t, 256> paletteAlpha;

    TRowTransparency() { paletteAlpha.fill(255); }
};

class TRowUnpacker {
  public:
    TRowUnpacker(uint8_t colorType, uint8_t bitDepth, const TGammaTables& gamma, const TRowTransparency& trns,
                 TDecodedImage& image);

    // True when a whole row can go into the bitmap as stored, only reordered to blue, green, red
    // (8-bit RGB shown unchanged, no transparent colour): see UnfilterRowToBGR.
    bool StoresRowsAsBGR() const;
    // row holds count pixels for image row y, at columns x0, x0 + dx, ...
    void Unpack(const uint8_t* row, uint32_t y, uint32_t x0, uint32_t dx, uint32_t count);

  private:
    void UnpackIndexed(const uint8_t* row, uint8_t* line, uint8_t* alpha, uint32_t x0, uint32_t dx,
                       uint32_t count);
    void UnpackRGB(const uint8_t* row, uint8_t* line, uint8_t* alpha, uint32_t x0, uint32_t dx,
                   uint32_t count);
    void UnpackAlpha(const uint8_t* row, uint8_t* line, uint8_t* alpha, uint32_t x0, uint32_t dx,
                     uint32_t count);

    uint8_t colorType_;
    uint8_t depth_;
    const uint8_t* gamma_;
    bool identity_;
    const TRowTransparency& trns_;
    TDecodedImage& image_;
};
