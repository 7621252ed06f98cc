#pragma once
// "tRNS": transparency. For colour types 0 and 2 one transparent colour (a 16-bit grey value, or
// red, green and blue); for colour type 3 an alpha value per palette entry. At most 256 bytes
// (EPNGInvalidPalette above). A chunk too short for its colour type is kept but ignored.

#include <array>

#include "picture/chunk.h"

class TChunktRNS : public TChunk {
  public:
    TChunktRNS() : TChunk("tRNS") {}
    void LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) override;
    // Written with the bytes read, except that the grey level of a 2-bit image is converted to the
    // 4-bit level the image is written with.
    void SaveToStream(const TPNGState& state, std::vector<uint8_t>& out) const override;

    // The transparent colour of colour types 0 (grey in all three) and 2 as stored; false when
    // the chunk is too short for the colour type or the colour type has no such colour.
    bool TransparentColor(uint8_t colorType, uint16_t rgb[3]) const;
    // Alpha of every palette entry, 255 past the end of the chunk.
    std::array<uint8_t, 256> PaletteAlpha() const;
};
