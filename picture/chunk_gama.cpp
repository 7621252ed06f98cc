#include "picture/chunk_gama.h"

void TChunkgAMA::LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) {
    ReadData(stream, length);
    if (data_.size() >= 4)
        state.gamma.Apply(Gamma());
}

void TChunkgAMA::SetGamma(TPNGState& state, uint32_t gamma) {
    data_ = {uint8_t(gamma >> 24), uint8_t(gamma >> 16), uint8_t(gamma >> 8), uint8_t(gamma)};
    state.gamma.Apply(gamma);
}
