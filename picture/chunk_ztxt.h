#pragma once
// "zTXt": a keyword, a zero byte, a compression method byte (0, zlib) and the compressed text.
// The text is inflated when the chunk is read, under two caps: a text longer than kMaxTextBytes
// raises EPNGTextTooLarge, one beyond what is left of the picture's text allowance (chunk.h)
// EPNGTooMuchText; inflating stops at the cap. Invalid compressed data raises EPNGZLIBError. A chunk without
// a keyword end or with another compression method is kept with an empty text. It is written back as read.

#include <cstddef>
#include <string>

#include "picture/chunk.h"

constexpr size_t kMaxTextBytes = size_t(1) << 20;

class TChunkzTXt : public TChunk {
  public:
    TChunkzTXt() : TChunk("zTXt") {}
    void LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) override;
    void Assign(const TChunk& source) override;

    const std::string& Keyword() const { return keyword_; }
    const std::string& Text() const { return text_; }

  private:
    std::string keyword_;
    std::string text_;
};
