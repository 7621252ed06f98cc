#pragma once
// "IDAT": the image data. Reading it decodes the image (idat_decoder.h) from this chunk and the
// IDAT chunks right after it; writing it encodes the decoded image again (idat_encoder.h). It keeps
// no data of its own.

#include "picture/chunk.h"

class TChunkIDAT : public TChunk {
  public:
    TChunkIDAT() : TChunk("IDAT") {}
    void LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) override;
    void SaveToStream(const TPNGState& state, std::vector<uint8_t>& out) const override;
};
