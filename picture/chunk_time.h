#pragma once
// "tIME": the time of the last change, kept as read. Its fields read 0 when the chunk is shorter
// than 7 bytes.

#include "picture/chunk.h"

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
