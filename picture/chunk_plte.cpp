#include "picture/chunk_plte.h"

#include <algorithm>

#include "picture/png_errors.h"

void TChunkPLTE::LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) {
    ReadData(stream, length);
    if (data_.size() % 3 != 0 || data_.size() > 768)
        throw EPNGInvalidPalette();
    for (uint32_t i = 0; i < Count(); ++i) {
        const uint8_t* rgb = &data_[i * 3];
        entries_[i] = {state.gamma.Gamma(rgb[2]), state.gamma.Gamma(rgb[1]), state.gamma.Gamma(rgb[0]), 0};
    }
}

void TChunkPLTE::Assign(const TChunk& source) {
    TChunk::Assign(source);
    const auto& s = static_cast<const TChunkPLTE&>(source);
    std::copy(std::begin(s.entries_), std::end(s.entries_), std::begin(entries_));
}
