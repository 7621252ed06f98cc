#include "picture/png_rgb.h"

#include "picture/chunk_gama.h"
#include "picture/chunk_idat.h"
#include "picture/chunk_iend.h"

std::unique_ptr<TPNGObject> CreateRGBPNG(uint32_t width, uint32_t height, const uint8_t* rgbRows) {
    auto png = std::make_unique<TPNGObject>();
    TPNGState& state = png->state_;

    auto header = std::make_unique<TChunkIHDR>();
    header->SetFields(width, height, 8, 2, 0);
    TChunkIHDR& ihdr = *header;
    state.chunks.push_back(std::move(header));
    state.chunks.push_back(std::make_unique<TChunk>("sRGB", std::vector<uint8_t>{0}));
    auto gama = std::make_unique<TChunkgAMA>();
    gama->SetGamma(state, 45455);
    state.chunks.push_back(std::move(gama));
    const uint8_t phys[9] = {0, 0, 0x2E, 0x23, 0, 0, 0x2E, 0x23, 1};
    state.chunks.push_back(std::make_unique<TChunk>("pHYs", std::vector<uint8_t>(phys, phys + 9)));
    state.chunks.push_back(std::make_unique<TChunkIDAT>());
    state.chunks.push_back(std::make_unique<TChunkIEND>());

    TDecodedImage& image = ihdr.CreateImage(state.gamma, TTransparencyMode::None);
    const size_t rowSize = size_t(width) * 3;
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* s = rgbRows + y * rowSize;
        uint8_t* d = image.Line(y);
        for (uint32_t x = 0; x < width; ++x, s += 3, d += 3) {
            d[0] = state.gamma.Gamma(s[2]);
            d[1] = state.gamma.Gamma(s[1]);
            d[2] = state.gamma.Gamma(s[0]);
        }
    }
    return png;
}
