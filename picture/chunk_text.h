#pragma once
// "tEXt": a keyword, a zero byte and a Latin-1 text, kept as read and counted against the
// picture's text allowance. Without a zero byte the whole chunk is the keyword.

#include <string>

#include "picture/chunk.h"

class TChunktEXt : public TChunk {
  public:
    TChunktEXt() : TChunk("tEXt") {}
    void LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) override;

    std::string Keyword() const;
    std::string Text() const;
};
