#include "picture/chunk_text.h"

#include <algorithm>

void TChunktEXt::LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) {
    ReadData(stream, length);
    state.KeepText(data_.size());
}

std::string TChunktEXt::Keyword() const {
    return std::string(data_.begin(), std::find(data_.begin(), data_.end(), 0));
}

std::string TChunktEXt::Text() const {
    auto zero = std::find(data_.begin(), data_.end(), 0);
    return zero == data_.end() ? std::string() : std::string(zero + 1, data_.end());
}
