#include "base/win/global_memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

TEST(GlobalMemory, FromBytesCopiesIntoAMovableBlock) {
    const unsigned char bytes[] = {0x00, 0x03, 0x00, 0x00, 0x08};
    GlobalMemory block = GlobalMemory::FromBytes(bytes, sizeof bytes);
    ASSERT_TRUE(block);
    EXPECT_EQ(block.Size(), sizeof bytes);
    GlobalMemory::Lock lock(block.Get());
    ASSERT_TRUE(lock);
    // A movable block's handle is not its address, unlike a fixed one's.
    EXPECT_NE(lock.Get(), static_cast<void*>(block.Get()));
    EXPECT_EQ(std::memcmp(lock.Get(), bytes, sizeof bytes), 0);
}

TEST(GlobalMemory, LockIsReleasedWithTheGuard) {
    GlobalMemory block = GlobalMemory::Allocate(8);
    ASSERT_TRUE(block);
    { GlobalMemory::Lock lock(block.Get()); }
    EXPECT_EQ(GlobalFlags(block.Get()) & GMEM_LOCKCOUNT, 0u);
}

TEST(GlobalMemory, MovesAndDetaches) {
    GlobalMemory a = GlobalMemory::Allocate(4);
    const HGLOBAL h = a.Get();
    GlobalMemory b = std::move(a);
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), h);
    a = std::move(b);
    EXPECT_EQ(a.Get(), h);
    HGLOBAL raw = a.Detach();
    EXPECT_FALSE(a);
    EXPECT_EQ(GlobalFree(raw), nullptr);
    EXPECT_FALSE(GlobalMemory::Lock(nullptr));
    EXPECT_EQ(GlobalMemory().Size(), 0u);
}
