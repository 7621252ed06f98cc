#pragma once
// "PLTE": the palette, at most 256 entries of red, green, blue. Its entries are kept through the
// gamma tables in effect when it is read; the chunk is written back with the bytes it was read
// with. A length that is not a multiple of 3 or above 768 raises EPNGInvalidPalette.

#include "picture/chunk.h"
#include "picture/decoded_image.h"

class TChunkPLTE : public TChunk {
  public:
    TChunkPLTE() : TChunk("PLTE") {}
    void LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) override;
    void Assign(const TChunk& source) override;

    uint32_t Count() const { return uint32_t(data_.size() / 3); }
    // Entry i through the gamma table.
    const TRGBQuad& Entry(uint32_t i) const { return entries_[i]; }

  private:
    TRGBQuad entries_[256] = {};
};
