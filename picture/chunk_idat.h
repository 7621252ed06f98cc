#pragma once
// The image data and the end of the stream.
//
// "IDAT": the image data. Reading it decodes the image (idat_decoder.h) from this chunk and the
// IDAT chunks right after it; writing it encodes the decoded image again (idat_encoder.h). It keeps
// no data of its own.
//
// "IEND": the end of the stream. Reading stops after it. Its data must be empty: data a stream
// carries there anyway is checked against the CRC and dropped, so the chunk is always written
// empty.

#include "picture/chunk.h"

class TChunkIDAT : public TChunk {
  public:
    TChunkIDAT() : TChunk("IDAT") {}
    void LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) override;
    void SaveToStream(const TPNGState& state, std::vector<uint8_t>& out) const override;
};

class TChunkIEND : public TChunk {
  public:
    TChunkIEND() : TChunk("IEND") {}
    void LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) override;
};
