#pragma once
// "gAMA": the file gamma times 100000. Loading it sets the picture's gamma tables; a chunk shorter
// than 4 bytes is kept but changes nothing.

#include "picture/chunk.h"

class TChunkgAMA : public TChunk {
  public:
    TChunkgAMA() : TChunk("gAMA") {}
    void LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) override;

    // The stored value, 0 when the chunk is too short.
    uint32_t Gamma() const { return data_.size() >= 4 ? LoadU32BE(data_.data()) : 0; }
    void SetGamma(TPNGState& state, uint32_t gamma);
};
