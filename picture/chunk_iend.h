#pragma once
// "IEND": the end of the stream. Reading stops after it.

#include "picture/chunk.h"

class TChunkIEND : public TChunk {
  public:
    TChunkIEND() : TChunk("IEND") {}
};
