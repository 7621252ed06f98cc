#include "picture/chunk_gama.h"

void TChunkgAMA::LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) {
    ReadData(stream, length);
    if (data_.size() >= 4)
        state.gamma.Apply(Gamma());
}

void TChunkgAMA::SetGamma(TPNGState& state, uint32_t gamma) {
    data_.clear();
    AppendU32BE(data_, gamma);
    state.gamma.Apply(gamma);
}
