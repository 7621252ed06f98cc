#pragma once
// "IEND": the end of the stream. Reading stops after it. Its data must be empty: data a stream
// carries there anyway is checked against the CRC and dropped, so the chunk is always written
// empty.

#include "picture/chunk.h"

class TChunkIEND : public TChunk {
  public:
    TChunkIEND() : TChunk("IEND") {}
    void LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) override;
};
