#include "base/scaling.h"

#include <gtest/gtest.h>

TEST(ScaledFontHeight, KeepsTheDefaultHeightOfTheScreen) {
    EXPECT_EQ(ScaledFontHeight(-11, 96, 96), -11);
    EXPECT_EQ(ScaledFontHeight(-13, 120, 96), -13); // -MulDiv(8, 120, 72)
    EXPECT_EQ(ScaledFontHeight(-16, 144, 96), -16); // -MulDiv(8, 144, 72)
}

TEST(ScaledFontHeight, ConvertsOtherHeightsByTheRatioOfResolutions) {
    EXPECT_EQ(ScaledFontHeight(-11, 120, 96), -14);
    EXPECT_EQ(ScaledFontHeight(-11, 144, 96), -17); // -16.5 rounds away from zero
    EXPECT_EQ(ScaledFontHeight(-12, 72, 96), -9);
}

TEST(ScaledRect, ScalesEdgesSoSizesFollow) {
    // A 235-wide field at 294 scaled by 16/13: the edges round independently.
    const TRect r = ScaledRect(BoundsRect(294, 198, 235, 18), 16, 13);
    EXPECT_EQ(r, (TRect{362, 244, 651, 266}));
    EXPECT_EQ(r.Width(), 289);
    EXPECT_EQ(ScaledRect(BoundsRect(0, -33, 640, 481), 13, 13), BoundsRect(0, -33, 640, 481));
    EXPECT_EQ(ScaledRect(BoundsRect(0, -33, 640, 481), 16, 13), (TRect{0, -41, 788, 551}));
}

TEST(CenteredPosition, TruncatesTowardZero) {
    EXPECT_EQ(CenteredPosition(1024, 768, 605, 401), (TPoint{209, 183}));
    EXPECT_EQ(CenteredPosition(1024, 768, 1025, 769), (TPoint{0, 0})); // -1 / 2 truncates to 0
    EXPECT_EQ(CenteredPosition(1024, 768, 1027, 771), (TPoint{-1, -1}));
}
