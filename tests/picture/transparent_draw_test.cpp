// Masking and blending on a destination surface, with stretching and clipping.

#include <gtest/gtest.h>

#include "picture/transparent_draw.h"
#include "png_test_util.h"

namespace {

struct TSurface {
    int width, height;
    std::vector<uint8_t> bits;
    TBgrxSurface view;
    TSurface(int w, int h, uint8_t fill) : width(w), height(h), bits(size_t(w) * h * 4, fill) {
        view = {bits.data(), w, h, size_t(w) * 4};
    }
    std::vector<int> At(int x, int y) const {
        const uint8_t* p = &bits[(size_t(y) * width + x) * 4];
        return {p[2], p[1], p[0]}; // red, green, blue
    }
};

TEST(BlendChannel, MixesByAlphaRoundingToNearest) {
    struct {
        uint8_t src, dst, a, expected;
    } cases[] = {{200, 100, 255, 200}, {200, 100, 0, 100}, {255, 0, 128, 128}, {255, 0, 127, 127},
                 {0, 255, 128, 127},   {10, 20, 1, 20},    {10, 20, 13, 19},   {255, 255, 77, 255}};
    for (const auto& c : cases)
        EXPECT_EQ(BlendChannel(c.src, c.dst, c.a), c.expected)
            << int(c.src) << " " << int(c.dst) << " " << int(c.a);
}

// 2 x 1 RGBA: red at alpha 255, green at alpha 0; and 2 x 1 RGB with tRNS green.
const TBytes kRgba = JoinChunks(
    {{"IHDR", IhdrData(2, 1, 8, 6)}, {"IDAT", Deflate({0, 255, 0, 0, 255, 0, 255, 0, 64})}, {"IEND", {}}});
const TBytes kKeyed = JoinChunks({{"IHDR", IhdrData(2, 1, 8, 2)},
                                  {"tRNS", {0, 0, 0, 255, 0, 0}},
                                  {"IDAT", Deflate({0, 255, 0, 0, 0, 255, 0})},
                                  {"IEND", {}}});

TEST(DrawOnSurface, SingleColourLeavesTheDestinationUnderTransparentPixels) {
    const auto png = LoadPng(kKeyed);
    ASSERT_EQ(png->TransparencyMode(), TTransparencyMode::SingleColor);
    TSurface s(4, 2, 50);
    DrawOnSurface(png->Image(), png->TransparencyMode(), {0, 0, 4, 2}, s.view); // stretched twice
    EXPECT_EQ(s.At(0, 0), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(s.At(1, 1), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(s.At(2, 0), (std::vector<int>{50, 50, 50}));
    EXPECT_EQ(s.At(3, 1), (std::vector<int>{50, 50, 50}));
}

TEST(DrawOnSurface, PerPixelBlendsAndStaysInsideTheSurface) {
    const auto png = LoadPng(kRgba);
    ASSERT_EQ(png->TransparencyMode(), TTransparencyMode::PerPixel);
    TSurface s(3, 1, 100);
    // The rectangle starts left of the surface: its first column is clipped away.
    DrawOnSurface(png->Image(), png->TransparencyMode(), {-1, 0, 3, 1}, s.view);
    EXPECT_EQ(s.At(0, 0), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(s.At(1, 0), (std::vector<int>{75, 139, 75})); // green at 64 over grey 100
    EXPECT_EQ(s.At(2, 0), (std::vector<int>{75, 139, 75}));
    DrawOnSurface(png->Image(), png->TransparencyMode(), {1, 0, 1, 1}, s.view); // empty: nothing
    EXPECT_EQ(s.At(1, 0), (std::vector<int>{75, 139, 75}));
}

TEST(DrawOnSurface, NoTransparencyCopies) {
    const auto png = LoadPng(kRgba);
    TSurface s(2, 1, 9);
    DrawOnSurface(png->Image(), TTransparencyMode::None, {0, 0, 2, 1}, s.view);
    EXPECT_EQ(s.At(1, 0), (std::vector<int>{0, 255, 0}));
}

TEST(TransparencyMode, FollowsColourTypeAndTransparencyChunk) {
    const TBytes idat1 = Deflate({0, 0});
    struct {
        const char* what;
        TBytes png;
        TTransparencyMode mode;
    } cases[] = {
        {"grey", JoinChunks({{"IHDR", IhdrData(1, 1, 8, 0)}, {"IDAT", idat1}, {"IEND", {}}}),
         TTransparencyMode::None},
        {"grey with tRNS",
         JoinChunks({{"IHDR", IhdrData(1, 1, 8, 0)}, {"tRNS", {0, 0}}, {"IDAT", idat1}, {"IEND", {}}}),
         TTransparencyMode::SingleColor},
        {"grey with short tRNS",
         JoinChunks({{"IHDR", IhdrData(1, 1, 8, 0)}, {"tRNS", {0}}, {"IDAT", idat1}, {"IEND", {}}}),
         TTransparencyMode::None},
        {"palette",
         JoinChunks({{"IHDR", IhdrData(1, 1, 8, 3)}, {"PLTE", {1, 2, 3}}, {"IDAT", idat1}, {"IEND", {}}}),
         TTransparencyMode::None},
        {"palette, one clear entry",
         JoinChunks({{"IHDR", IhdrData(1, 1, 8, 3)},
                     {"PLTE", {1, 2, 3, 4, 5, 6}},
                     {"tRNS", {255, 0}},
                     {"IDAT", idat1},
                     {"IEND", {}}}),
         TTransparencyMode::SingleColor},
        {"palette, one half-transparent entry",
         JoinChunks({{"IHDR", IhdrData(1, 1, 8, 3)},
                     {"PLTE", {1, 2, 3, 4, 5, 6}},
                     {"tRNS", {255, 128}},
                     {"IDAT", idat1},
                     {"IEND", {}}}),
         TTransparencyMode::PerPixel},
        {"palette, no entry below 255",
         JoinChunks({{"IHDR", IhdrData(1, 1, 8, 3)},
                     {"PLTE", {1, 2, 3, 4, 5, 6}},
                     {"tRNS", {255, 255}},
                     {"IDAT", idat1},
                     {"IEND", {}}}),
         TTransparencyMode::None},
        {"palette, two clear entries",
         JoinChunks({{"IHDR", IhdrData(1, 1, 8, 3)},
                     {"PLTE", {1, 2, 3, 4, 5, 6}},
                     {"tRNS", {0, 0}},
                     {"IDAT", idat1},
                     {"IEND", {}}}),
         TTransparencyMode::PerPixel},
        {"grey and alpha",
         JoinChunks({{"IHDR", IhdrData(1, 1, 8, 4)}, {"IDAT", Deflate({0, 0, 255})}, {"IEND", {}}}),
         TTransparencyMode::PerPixel},
    };
    for (const auto& c : cases) {
        const auto png = LoadPng(c.png);
        EXPECT_EQ(png->TransparencyMode(), c.mode) << c.what;
        EXPECT_EQ(png->Transparent(), c.mode != TTransparencyMode::None) << c.what;
    }
}

} // namespace
