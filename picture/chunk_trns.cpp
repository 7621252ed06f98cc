#include "picture/chunk_trns.h"

#include "picture/chunk_ihdr.h"
#include "picture/png_errors.h"
#include "picture/png_types.h"

void TChunktRNS::LoadFromStream(TPNGState&, TByteReader& stream, uint32_t length) {
    ReadData(stream, length);
    if (data_.size() > 256)
        throw EPNGInvalidPalette();
}

bool TChunktRNS::TransparentColor(uint8_t colorType, uint16_t rgb[3]) const {
    if (colorType == ctGrayscale && data_.size() >= 2) {
        rgb[0] = rgb[1] = rgb[2] = LoadU16BE(data_.data());
        return true;
    }
    if (colorType == ctRGB && data_.size() >= 6) {
        for (int i = 0; i < 3; ++i)
            rgb[i] = LoadU16BE(data_.data() + 2 * i);
        return true;
    }
    return false;
}

std::array<uint8_t, 256> TChunktRNS::PaletteAlpha() const {
    std::array<uint8_t, 256> alpha;
    alpha.fill(255);
    for (size_t i = 0; i < data_.size() && i < alpha.size(); ++i)
        alpha[i] = data_[i];
    return alpha;
}

void TChunktRNS::SaveToStream(const TPNGState& state, std::vector<uint8_t>& out) const {
    const TChunkIHDR* header = state.Header();
    uint16_t grey[3];
    if (!header || header->BitDepth() != 2 || !TransparentColor(header->ColorType(), grey)) {
        TChunk::SaveToStream(state, out);
        return;
    }
    std::vector<uint8_t> d = data_;
    const uint16_t v = uint16_t(grey[0] * 5);
    d[0] = uint8_t(v >> 8);
    d[1] = uint8_t(v);
    WriteChunk(out, NameBytes(), d.data(), d.size());
}
