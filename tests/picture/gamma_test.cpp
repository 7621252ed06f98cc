// The gamma rule: the table's fixed points, and what it does to colour samples, palette entries
// and grey levels (alpha stays as stored).

#include <gtest/gtest.h>

#include "picture/png_gamma.h"
#include "png_test_util.h"

namespace {

TEST(GammaTable, FileGammaOfOneBrightensAsExpected) {
    TGammaTables t;
    t.Apply(100000);
    EXPECT_EQ(t.Gamma(0), 0);
    EXPECT_EQ(t.Gamma(1), 21);
    EXPECT_EQ(t.Gamma(64), 136);
    EXPECT_EQ(t.Gamma(128), 186);
    EXPECT_EQ(t.Gamma(192), 224);
    EXPECT_EQ(t.Gamma(255), 255);
    EXPECT_FALSE(t.IsIdentity());
    // The inverse takes every value the table produces back to the last sample that produced it.
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(t.Gamma(t.Inverse(t.Gamma(uint8_t(i)))), t.Gamma(uint8_t(i)));
    EXPECT_EQ(t.Inverse(186), 128);
}

TEST(GammaTable, ZeroChangesNothingAndTheStoredPicturesGammaIsTheIdentity) {
    TGammaTables t;
    t.Apply(0);
    EXPECT_TRUE(t.IsIdentity());
    t.Apply(45455);
    EXPECT_TRUE(t.IsIdentity());
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(t.Gamma(uint8_t(i)), i);
        ASSERT_EQ(t.Inverse(uint8_t(i)), i);
    }
    t.Apply(100000);
    t.Apply(0); // keeps the previous tables
    EXPECT_EQ(t.Gamma(128), 186);
    t.Reset();
    EXPECT_EQ(t.Gamma(128), 128);
}

TEST(GammaDecoding, ColoursAndPaletteGoThroughTheTableAlphaDoesNot) {
    const TBytes gama = U32BE(100000);
    const TBytes rgba = JoinChunks({{"IHDR", IhdrData(1, 1, 8, 6)},
                                    {"gAMA", gama},
                                    {"IDAT", Deflate({0, 128, 64, 1, 128})},
                                    {"IEND", {}}});
    const auto a = LoadPng(rgba);
    EXPECT_EQ(a->Image().Pixel(0, 0), (TRGBQuad{21, 136, 186, 0}));
    EXPECT_EQ(a->Image().Alpha(0, 0), 128);

    const TBytes palette = JoinChunks({{"IHDR", IhdrData(1, 1, 8, 3)},
                                       {"gAMA", gama},
                                       {"PLTE", {192, 128, 1}},
                                       {"IDAT", Deflate({0, 0})},
                                       {"IEND", {}}});
    EXPECT_EQ(LoadPng(palette)->Image().Pixel(0, 0), (TRGBQuad{21, 186, 224, 0}));

    const TBytes grey = JoinChunks(
        {{"IHDR", IhdrData(2, 1, 2, 0)}, {"gAMA", gama}, {"IDAT", Deflate({0, 0x10})}, {"IEND", {}}});
    const auto g = LoadPng(grey);
    EXPECT_EQ(g->Image().Pixel(0, 0).rgbRed, 0);
    TGammaTables t;
    t.Apply(100000);
    EXPECT_EQ(g->Image().Pixel(1, 0).rgbRed, t.Gamma(85));

    // g = 0: the samples as stored.
    const TBytes zero = JoinChunks({{"IHDR", IhdrData(1, 1, 8, 2)},
                                    {"gAMA", U32BE(0)},
                                    {"IDAT", Deflate({0, 128, 64, 1})},
                                    {"IEND", {}}});
    EXPECT_EQ(LoadPng(zero)->Image().Pixel(0, 0), (TRGBQuad{1, 64, 128, 0}));
}

} // namespace
