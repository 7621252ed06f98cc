#include "picture/chunk_idat.h"

#include "picture/idat_decoder.h"
#include "picture/idat_encoder.h"

void TChunkIDAT::LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) {
    const uint8_t* data = TakeChunkData(stream, NameBytes(), length);
    ReadImageData(state, stream, data, length);
}

void TChunkIDAT::SaveToStream(const TPNGState& state, std::vector<uint8_t>& out) const {
    WriteImageData(state, out);
}

void TChunkIEND::LoadFromStream(TPNGState&, TByteReader& stream, uint32_t length) {
    TakeChunkData(stream, NameBytes(), length);
}
