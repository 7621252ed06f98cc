#include "tests/tools/assets/icon_reader.h"
#include "tools/assets/asset_error.h"
#include "tools/assets/icon_file.h"

#include <gtest/gtest.h>

namespace {

// A picture whose every pixel differs from its neighbours, with fully transparent, partly
// transparent and opaque pixels mixed.
RgbaImage Pattern(int w, int h) {
    RgbaImage image{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int alphas[4] = {0, 1, 128, 255};
            image.rgba.insert(image.rgba.end(), {uint8_t(x * 7 + 1), uint8_t(y * 13 + 2), uint8_t(x ^ y),
                                                 uint8_t(alphas[(x + 2 * y) % 4])});
        }
    return image;
}

TEST(BuildIconFile, ImagesReadBackWithTheirSamplesAndMasks) {
    // Sizes around the mask's 32-pixel row padding, the largest size (a PNG), and non-square images.
    const std::vector<std::pair<int, int>> sizes = {{256, 256}, {48, 48}, {256, 2}, {33, 2},
                                                    {32, 3},    {17, 5},  {1, 1}};
    std::vector<RgbaImage> in;
    for (auto [w, h] : sizes)
        in.push_back(Pattern(w, h));

    std::string problem;
    const std::vector<ReadIconImage> out = ReadIconFile(BuildIconFile(in), problem);
    ASSERT_EQ(problem, "");
    ASSERT_EQ(out.size(), in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        SCOPED_TRACE(std::to_string(in[i].width) + " x " + std::to_string(in[i].height));
        EXPECT_EQ(out[i].width, in[i].width);
        EXPECT_EQ(out[i].height, in[i].height);
        ASSERT_EQ(out[i].rgba.size(), in[i].rgba.size());
        if (in[i].width == 256 && in[i].height == 256) {
            ASSERT_TRUE(out[i].isPng);
            EXPECT_EQ(out[i].rgba, in[i].rgba) << "a PNG image keeps every sample";
            continue;
        }
        EXPECT_FALSE(out[i].isPng);
        EXPECT_TRUE(out[i].maskPaddingClear);
        for (size_t p = 0; p < out[i].mask.size(); ++p) {
            const uint8_t* src = &in[i].rgba[p * 4];
            const uint8_t* got = &out[i].rgba[p * 4];
            const bool transparent = src[3] == 0;
            ASSERT_EQ(out[i].mask[p], transparent) << "pixel " << p;
            const std::vector<uint8_t> expected =
                transparent ? std::vector<uint8_t>{0, 0, 0, 0} : std::vector<uint8_t>(src, src + 4);
            ASSERT_EQ(std::vector<uint8_t>(got, got + 4), expected) << "pixel " << p;
        }
    }
}

TEST(BuildIconFile, WritesTheLargestSizeAsZeroInTheDirectory) {
    const std::vector<uint8_t> file = BuildIconFile({Pattern(256, 16), Pattern(16, 256)});
    EXPECT_EQ(file[6], 0);
    EXPECT_EQ(file[7], 16);
    EXPECT_EQ(file[6 + 16], 16);
    EXPECT_EQ(file[7 + 16], 0);
}

TEST(BuildIconFile, RejectsImagesItCannotStore) {
    RgbaImage shortSamples = Pattern(16, 16);
    shortSamples.rgba.pop_back();
    const std::vector<std::vector<RgbaImage>> cases = {
        {},
        {Pattern(16, 16), RgbaImage{0, 16, {}}},
        {Pattern(257, 1)},
        {RgbaImage{16, -1, {}}},
        {shortSamples},
    };
    for (const auto& images : cases)
        EXPECT_THROW(BuildIconFile(images), EAssetError) << images.size() << " images";
}

} // namespace
