#include "base/geometry.h"

#include <gtest/gtest.h>

TEST(TRect, ContainsItsLeftAndTopEdgesButNotItsRightAndBottomOnes) {
    const TRect r{10, 20, 30, 40};
    const struct {
        TPoint p;
        bool inside;
    } cases[] = {
        {{10, 20}, true}, {{29, 39}, true},  {{20, 30}, true},  {{30, 30}, false}, {{20, 40}, false},
        {{9, 30}, false}, {{20, 19}, false}, {{30, 40}, false}, {{-5, -5}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(r.Contains(c.p), c.inside) << c.p.x << ", " << c.p.y;
    EXPECT_FALSE((TRect{5, 5, 5, 9}.Contains({5, 6}))) << "an empty rectangle holds no point";
}
