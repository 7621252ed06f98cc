#include "base/mul_div.h"

#include <gtest/gtest.h>

TEST(MulDivRound, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDivRound(1, 3, 2), 2);   // 1.5
    EXPECT_EQ(MulDivRound(-1, 3, 2), -2); // -1.5
    EXPECT_EQ(MulDivRound(5, 1, 4), 1);   // 1.25
    EXPECT_EQ(MulDivRound(7, 1, 4), 2);   // 1.75
    EXPECT_EQ(MulDivRound(-11, 120, 96), -14);
    EXPECT_EQ(MulDivRound(8, 120, 72), 13);
    EXPECT_EQ(MulDivRound(1, 1, -2), -1); // -0.5 rounds away from zero
}

TEST(MulDivRound, HimetricConversionsAt96Ppi) {
    EXPECT_EQ(MulDivRound(385, 2540, 96), 10186);
    EXPECT_EQ(MulDivRound(10186, 96, 2540), 385);
    EXPECT_EQ(MulDivRound(1024, 2540, 96), 27093);
}

TEST(MulDivRound, ZeroDivisorAndOverflowGiveMinusOne) {
    EXPECT_EQ(MulDivRound(5, 5, 0), -1);
    EXPECT_EQ(MulDivRound(INT32_MAX, INT32_MAX, 1), -1);
    EXPECT_EQ(MulDivRound(INT32_MAX, 2, 2), INT32_MAX);
    EXPECT_EQ(MulDivRound(INT32_MIN, 1, 1), INT32_MIN);
}
