#pragma once
// "tEXt": a keyword, a zero byte and a Latin-1 text, kept as read. Without a zero byte the whole
// chunk is the keyword.

#include <string>

#include "picture/chunk.h"

class TChunktEXt : public TChunk {
  public:
    TChunktEXt() : TChunk("tEXt") {}

    std::string Keyword() const;
    std::string Text() const;
};
