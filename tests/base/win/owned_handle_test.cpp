#include "base/win/owned_handle.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> g_released;

void RecordRelease(int* h) {
    g_released.push_back(*h);
}

using Owned = OwnedHandle<int*, RecordRelease>;

} // namespace

TEST(OwnedHandle, ReleasesEachHandleExactlyOnceWhateverHandsItOn) {
    int a = 1;
    int b = 2;
    int c = 3;
    g_released.clear();
    {
        Owned first(&a);
        first.Reset(&b); // releases a
        Owned second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.Get(), &b);
        Owned third(&c);
        third = std::move(second); // releases c
        Owned& alias = third;
        third = std::move(alias); // the same owner: nothing released
        EXPECT_EQ(third.Get(), &b);
        EXPECT_EQ(g_released, (std::vector<int>{1, 3}));
    } // releases b, once
    EXPECT_EQ(g_released, (std::vector<int>{1, 3, 2}));

    g_released.clear();
    {
        Owned kept(&a);
        EXPECT_EQ(kept.Release(), &a);
        EXPECT_FALSE(kept);
    }
    EXPECT_TRUE(g_released.empty()) << "a handle given away is the taker's to release";
}
