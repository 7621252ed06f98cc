#include "picture/png_rgb.h"

#include "picture/chunk_gama.h"
#include "picture/chunk_idat.h"
#include "picture/png_types.h"

namespace {

// Samples (red, green, blue and, with 4 channels, alpha) from the top row down into the display
// bitmap, colours through the gamma table as the reader stores them.
void FillImage(TDecodedImage& image, const TGammaTables& gamma, const uint8_t* rows, size_t channels) {
    for (uint32_t y = 0; y < image.Height(); ++y) {
        const uint8_t* s = rows + size_t(y) * image.Width() * channels;
        uint8_t* d = image.Line(y);
        uint8_t* alpha = image.HasAlpha() ? image.AlphaLine(y) : nullptr;
        for (uint32_t x = 0; x < image.Width(); ++x, s += channels, d += 3) {
            d[0] = gamma.Gamma(s[2]);
            d[1] = gamma.Gamma(s[1]);
            d[2] = gamma.Gamma(s[0]);
            if (alpha)
                alpha[x] = s[3];
        }
    }
}

} // namespace

std::unique_ptr<TPNGObject> CreateRGBPNG(uint32_t width, uint32_t height, const uint8_t* rgbRows) {
    auto png = std::make_unique<TPNGObject>();
    TPNGState& state = png->state_;

    auto header = std::make_unique<TChunkIHDR>();
    header->SetFields(width, height, 8, ctRGB, 0);
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

    FillImage(ihdr.CreateImage(state.gamma, TTransparencyMode::None), state.gamma, rgbRows, 3);
    return png;
}

std::unique_ptr<TPNGObject> CreateRGBAPNG(uint32_t width, uint32_t height, const uint8_t* rgbaRows) {
    auto png = std::make_unique<TPNGObject>();
    TPNGState& state = png->state_;

    auto header = std::make_unique<TChunkIHDR>();
    header->SetFields(width, height, 8, ctRGBAlpha, 0);
    TChunkIHDR& ihdr = *header;
    state.chunks.push_back(std::move(header));
    state.chunks.push_back(std::make_unique<TChunkIDAT>());
    state.chunks.push_back(std::make_unique<TChunkIEND>());

    FillImage(ihdr.CreateImage(state.gamma, TTransparencyMode::PerPixel), state.gamma, rgbaRows, 4);
    return png;
}
