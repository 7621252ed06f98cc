#include "picture/chunk_text.h"

#include <algorithm>

#include "picture/png_errors.h"
#include "picture/zlib_glue.h"

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

void TChunkzTXt::LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) {
    ReadData(stream, length);
    const auto zero = std::find(data_.begin(), data_.end(), 0);
    keyword_.assign(data_.begin(), zero);
    text_.clear();
    if (zero == data_.end() || zero + 1 == data_.end() || zero[1] != 0)
        return;
    const size_t start = size_t(zero - data_.begin()) + 2;
    const size_t limit = std::min(kMaxTextBytes, state.textAllowance);
    if (!InflateLimited(data_.data() + start, data_.size() - start, limit, text_)) {
        if (limit == kMaxTextBytes)
            throw EPNGTextTooLarge();
        throw EPNGTooMuchText();
    }
    state.KeepText(text_.size());
}

void TChunkzTXt::Assign(const TChunk& source) {
    TChunk::Assign(source);
    const auto& s = static_cast<const TChunkzTXt&>(source);
    keyword_ = s.keyword_;
    text_ = s.text_;
}
