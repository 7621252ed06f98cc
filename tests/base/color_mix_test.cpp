#include "base/color_mix.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t Rgb(int r, int g, int b) {
    return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16;
}

constexpr ColorWeights kHot{-2, 30, 72};
constexpr ColorWeights kPressed{14, 44, 40};

} // namespace

TEST(MixColors, HotAndPressedTintsOfTwoSystemColourSchemes) {
    struct Case {
        uint32_t face, highlight, window;
        uint32_t hot, pressed;
    };
    const Case cases[] = {
        {Rgb(212, 208, 200), Rgb(10, 36, 106), Rgb(255, 255, 255), Rgb(183, 191, 212), Rgb(136, 147, 177)},
        {Rgb(236, 233, 216), Rgb(49, 106, 197), Rgb(255, 255, 255), Rgb(194, 211, 239), Rgb(157, 182, 219)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MixColors(c.face, c.highlight, c.window, kHot), c.hot) << std::hex << c.face;
        EXPECT_EQ(MixColors(c.face, c.highlight, c.window, kPressed), c.pressed) << std::hex << c.face;
    }
}

TEST(MixColors, ABlackOrWhiteFaceGivesTheHighlight) {
    for (const uint32_t face : {Rgb(0, 0, 0), Rgb(255, 255, 255)}) {
        EXPECT_EQ(MixColors(face, Rgb(10, 36, 106), Rgb(255, 255, 255), kHot), Rgb(10, 36, 106));
        EXPECT_EQ(MixColors(face, Rgb(10, 36, 106), Rgb(255, 255, 255), kPressed), Rgb(10, 36, 106));
    }
    EXPECT_NE(MixColors(Rgb(1, 0, 0), Rgb(10, 36, 106), Rgb(255, 255, 255), kHot), Rgb(10, 36, 106))
        << "only exactly black or white";
}

TEST(MixColors, EachTermRoundsHalvesAwayFromZeroAndTheSumIsClamped) {
    // 50 * -1% = -0.5 rounds to -1; 150 * 1% = 1.5 rounds to 2; 255 * 100% plus more clamps.
    EXPECT_EQ(MixColors(Rgb(50, 50, 50), Rgb(150, 150, 150), 0, {-1, 1, 0}), Rgb(1, 1, 1));
    EXPECT_EQ(MixColors(Rgb(200, 200, 200), Rgb(255, 255, 255), 0, {100, 100, 0}), Rgb(255, 255, 255));
    EXPECT_EQ(MixColors(Rgb(200, 200, 200), Rgb(255, 255, 255), 0, {-100, 0, 0}), Rgb(0, 0, 0));
}
