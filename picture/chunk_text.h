#pragma once
// The chunks that describe the picture: its texts and the time of its last change.
//
// "tEXt": a keyword, a zero byte and a Latin-1 text, kept as read and counted against the
// picture's text allowance. Without a zero byte the whole chunk is the keyword.
//
// "zTXt": a keyword, a zero byte, a compression method byte (0, zlib) and the compressed text.
// The text is inflated when the chunk is read, under two caps: a text longer than kMaxTextBytes
// raises EPNGTextTooLarge, one beyond what is left of the picture's text allowance (chunk.h)
// EPNGTooMuchText; inflating stops at the cap. Invalid compressed data raises EPNGZLIBError.
// A chunk without a keyword end or with another compression method is kept with an empty text.
// It is written back as read.
//
// "tIME": the time of the last change, kept as read. Its fields read 0 when the chunk is shorter
// than 7 bytes.

#include <cstddef>
#include <string>

#include "picture/chunk.h"

class TChunktEXt : public TChunk {
  public:
    TChunktEXt() : TChunk("tEXt") {}
    void LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) override;

    std::string Keyword() const;
    std::string Text() const;
};

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

class TChunktIME : public TChunk {
  public:
    TChunktIME() : TChunk("tIME") {}

    int Year() const { return Valid() ? LoadU16BE(data_.data()) : 0; }
    int Month() const { return Field(2); }
    int Day() const { return Field(3); }
    int Hour() const { return Field(4); }
    int Minute() const { return Field(5); }
    int Second() const { return Field(6); }

  private:
    bool Valid() const { return data_.size() >= 7; }
    int Field(size_t i) const { return Valid() ? data_[i] : 0; }
};
