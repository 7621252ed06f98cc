#include "base/win/system_message.h"

#include <gtest/gtest.h>

// Wine's message table is smaller than Windows's: it has texts for E_NOTIMPL, E_FAIL and the
// Win32 codes, but none for E_NOINTERFACE, REGDB_E_CLASSNOTREG or the DISP_E_ codes.
TEST(SystemMessage, IsTheSystemTextWithoutItsTail) {
    EXPECT_EQ(SystemMessage(static_cast<DWORD>(E_NOTIMPL)), "Not implemented"); // "Not implemented.\r\n"
    const std::string denied = SystemMessage(ERROR_ACCESS_DENIED);
    ASSERT_FALSE(denied.empty());
    EXPECT_NE(denied.back(), '.');
    EXPECT_NE(denied.back(), '\n');
}

TEST(SystemMessage, IsEmptyForACodeWithoutText) {
    EXPECT_EQ(SystemMessage(0x8ABCDEF0u), "");
}
