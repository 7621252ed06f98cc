#include "base/text.h"

#include <gtest/gtest.h>

namespace {

// Lower-cases ASCII and the upper-case letters of code page 1252, as CharLower does there.
std::string LowerCp1252(std::string s) {
    for (char& c : s) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
            c = static_cast<char>(u + 0x20);
    }
    return s;
}

} // namespace

TEST(Trim, RemovesControlCharactersAndBlanksAtBothEnds) {
    EXPECT_EQ(Trim("  jdupont \t"), "jdupont");
    EXPECT_EQ(Trim(std::string("\x01\x1f x y\r\n", 9)), "x y");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("\xE9t\xE9 "), "\xE9t\xE9"); // characters above 127 are kept
}

TEST(WithFinalPeriod, AppendsOnlyAfterCharactersThatSortAfterThePeriod) {
    EXPECT_EQ(WithFinalPeriod("Interface not supported"), "Interface not supported.");
    EXPECT_EQ(WithFinalPeriod("Done."), "Done.");
    EXPECT_EQ(WithFinalPeriod("Stop!"), "Stop!");
    EXPECT_EQ(WithFinalPeriod("a,"), "a,");
    EXPECT_EQ(WithFinalPeriod("trailing blank "), "trailing blank ");
    EXPECT_EQ(WithFinalPeriod("-"), "-");            // '-' sorts before '.'
    EXPECT_EQ(WithFinalPeriod("code 3"), "code 3."); // digits sort after '.'
    EXPECT_EQ(WithFinalPeriod("d\xE9j\xE0"), "d\xE9j\xE0.");
    EXPECT_EQ(WithFinalPeriod(""), "");
}

TEST(StartupFailureText, HasTheFixedLayout) {
    EXPECT_EQ(StartupFailureText("Exception", "ConnexionORLIX.exe", 0x4A1B2C, 8,
                                 "Only one instance of TWinXP allowed on form"),
              "Exception Exception in module ConnexionORLIX.exe at 004A1B2C.\r\n"
              "Only one instance of TWinXP allowed on form.\r\n");
    EXPECT_EQ(StartupFailureText("EOleSysError", "a.exe", 0xABCDEF12, 8, "Class not registered."),
              "Exception EOleSysError in module a.exe at ABCDEF12.\r\nClass not registered.\r\n");
    EXPECT_EQ(StartupFailureText("E", "a.exe", 1, 16, "Stop!"),
              "Exception E in module a.exe at 0000000000000001.\r\nStop!.\r\n");
}

TEST(TitleFromModulePath, CutsAtTheFirstDotAndLowersAllButTheFirstCharacter) {
    EXPECT_EQ(TitleFromModulePath("C:\\Program Files\\ORLIX\\ConnexionORLIX.exe", LowerCp1252),
              "Connexionorlix");
    EXPECT_EQ(TitleFromModulePath("C:\\x\\ConnexionORLIX.v2.Beta.exe", LowerCp1252), "Connexionorlix");
    EXPECT_EQ(TitleFromModulePath("C:\\x\\cONNEXION.exe", LowerCp1252), "connexion");
    EXPECT_EQ(TitleFromModulePath("C:\\x\\\xC9"
                                  "COLE.exe",
                                  LowerCp1252),
              "\xC9"
              "cole");
    EXPECT_EQ(TitleFromModulePath("C:\\dir.with.dots\\Prog", LowerCp1252), "Prog");
    EXPECT_EQ(TitleFromModulePath("C:\\x\\.hidden.exe", LowerCp1252), "");
}

TEST(Trim, WorksOnUtf16CodeUnits) {
    EXPECT_EQ(TrimmedView(std::wstring_view(L" \t\u0141ukasz\u00A0 \r\n")), L"\u0141ukasz\u00A0");
    EXPECT_EQ(TrimmedView(std::wstring_view(L"\u2003")), L"\u2003") << "only codes 0 to 32 are blanks";
    EXPECT_EQ(TrimmedView(std::wstring_view(L" \x01 ")), L"");
}

TEST(WithoutAccessKeyMarks, DropsTheMarkAndKeepsADoubledAmpersandAsOne) {
    EXPECT_EQ(WithoutAccessKeyMarks("&Se connecter"), "Se connecter");
    EXPECT_EQ(WithoutAccessKeyMarks("Pierre && Fils"), "Pierre & Fils");
    EXPECT_EQ(WithoutAccessKeyMarks("&&&Ok"), "&Ok");
    EXPECT_EQ(WithoutAccessKeyMarks("fin&"), "fin");
}

TEST(Accelerator, IsTheLetterAfterTheFirstSingleAmpersand) {
    struct Case {
        const char* caption;
        char accel;
    };
    const Case cases[] = {
        {"Se connecter", '\0'}, {"&Copy", 'C'}, {"Save &As...", 'A'}, {"R&&D", '\0'},
        {"R&&&D", 'D'},         {"Fin&", '\0'}, {"&a &b", 'a'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AcceleratorOf(c.caption), c.accel) << c.caption;
    EXPECT_TRUE(IsAccelerator('s', "&Se connecter"));
    EXPECT_TRUE(IsAccelerator('S', "&se connecter"));
    EXPECT_FALSE(IsAccelerator('e', "&Se connecter"));
    EXPECT_FALSE(IsAccelerator('\0', "Annuler"));
}
