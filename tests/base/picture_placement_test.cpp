#include "base/picture_placement.h"

#include <gtest/gtest.h>

namespace {

const TRect kContent{2, 2, 638, 479}; // a 640 x 481 box inset by 2: 636 x 477

} // namespace

TEST(PlacePicture, CentresAPictureWiderThanTheBoxByHalfTheExcess) {
    PicturePlacement how;
    how.proportional = false;
    EXPECT_EQ(PlacePicture(kContent, 640, 427, how), (TRect{0, 27, 640, 454}));
}

TEST(PlacePicture, ProportionalShrinksToFitKeepingTheAspectRatio) {
    PicturePlacement how;
    EXPECT_EQ(PlacePicture(kContent, 640, 427, how), (TRect{2, 28, 638, 452})); // 636 x 424, 26 down
    EXPECT_EQ(PlacePicture({0, 0, 100, 100}, 400, 200, how), (TRect{0, 25, 100, 75}));
    EXPECT_EQ(PlacePicture({0, 0, 100, 100}, 200, 400, how), (TRect{25, 0, 75, 100}));
    EXPECT_EQ(PlacePicture({0, 0, 100, 100}, 50, 20, how), (TRect{25, 40, 75, 60})) << "fits: not scaled";
}

TEST(PlacePicture, StretchFillsTheBox) {
    PicturePlacement how;
    how.stretch = true;
    how.proportional = false;
    EXPECT_EQ(PlacePicture(kContent, 10, 10, how), kContent);
}

TEST(PlacePicture, WithoutCentringFollowsTheScrollPosition) {
    PicturePlacement how;
    how.center = false;
    how.proportional = false;
    how.scroll = {5, 7};
    EXPECT_EQ(PlacePicture(kContent, 640, 427, how), (TRect{-3, -5, 637, 422}));
}

TEST(PlacePicture, OddExcessTruncatesTowardZero) {
    PicturePlacement how;
    how.proportional = false;
    EXPECT_EQ(PlacePicture({0, 0, 10, 10}, 13, 13, how), (TRect{-1, -1, 12, 12})); // -3 / 2 = -1
    EXPECT_EQ(PlacePicture({0, 0, 10, 10}, 7, 7, how), (TRect{1, 1, 8, 8}));       // 3 / 2 = 1
}
