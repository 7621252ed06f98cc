#include "picture/chunk_iend.h"

void TChunkIEND::LoadFromStream(TPNGState&, TByteReader& stream, uint32_t length) {
    TakeChunkData(stream, NameBytes(), length);
}
