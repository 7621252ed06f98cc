#include "base/win/module_path.h"

#include <gtest/gtest.h>

TEST(ModulePath, NamesTheProgramsOwnFileInFull) {
    const std::string path = ModulePath();
    const std::string name = "base_win_tests.exe";
    ASSERT_GT(path.size(), name.size());
    EXPECT_EQ(path.substr(path.size() - name.size()), name);
    EXPECT_EQ(path.find('\0'), std::string::npos) << "no padding left from the buffer";
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ModulePath(GetModuleHandleA(nullptr)), path);
}
