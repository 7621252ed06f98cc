#include "base/error_text.h"
#include "base/exception.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

TEST(TrimMessageTail, RemovesBlanksLineBreaksAndPeriodsAtTheEndOnly) {
    const struct {
        const char* text;
        const char* trimmed;
    } cases[] = {
        {"Class not registered.\r\n", "Class not registered"},
        {"No such interface supported\r\n", "No such interface supported"},
        {"Ends in dots... \t.\r\n . ", "Ends in dots"},
        {"  Leading blanks stay.", "  Leading blanks stay"},
        {"v1.2 inner periods stay", "v1.2 inner periods stay"},
        {"Question?\r\n", "Question?"},
        {".\r\n. ", ""},
        {"", ""},
        {"d\xE9j\xE0 vu.", "d\xE9j\xE0 vu"}, // bytes above 127 are text, not blanks
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrimMessageTail(c.text), c.trimmed) << c.text;
}

TEST(SystemMessageText, KeepsAtMost256CharactersBeforeTrimming) {
    const std::string exact(kSystemMessageLimit, 'x');
    EXPECT_EQ(SystemMessageText(exact), exact);
    EXPECT_EQ(SystemMessageText(exact + "yz.\r\n"), exact);
    // The cut comes first, so a period or blank that ends up last after it is trimmed too.
    const std::string cutAtPeriod = std::string(kSystemMessageLimit - 2, 'x') + ". more text";
    EXPECT_EQ(SystemMessageText(cutAtPeriod), std::string(kSystemMessageLimit - 2, 'x'));
    EXPECT_EQ(SystemMessageText("Short.\r\n"), "Short");
}

TEST(OleErrorFallbackText, HasEightUpperCaseHexDigits) {
    EXPECT_EQ(OleErrorFallbackText(0x8ABCDEF0u), "OLE error 8ABCDEF0");
    EXPECT_EQ(OleErrorFallbackText(0x1Fu), "OLE error 0000001F");
    EXPECT_EQ(OleErrorFallbackText(0), "OLE error 00000000");
    EXPECT_EQ(OleErrorFallbackText(0xFFFFFFFFu), "OLE error FFFFFFFF");
}

TEST(DescribeException, NamesTheClassAndMessageOfWhatWasThrown) {
    const auto describe = [](auto thrown) {
        try {
            throw thrown;
        } catch (...) {
            return DescribeException(std::current_exception());
        }
    };
    struct Case {
        ExceptionDescription described;
        const char* className;
        const char* message;
        bool abort;
    };
    const Case cases[] = {
        {describe(Exception("Disque plein")), "Exception", "Disque plein", false},
        {describe(EAbort("stopped")), "EAbort", "stopped", true},
        {describe(std::bad_alloc()), "EOutOfMemory", "Out of memory", false},
        {describe(std::runtime_error("broken pipe")), "Exception", "broken pipe", false},
        {describe(42), "Exception", "Unknown exception", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.described.className, c.className);
        EXPECT_EQ(c.described.message, c.message);
        EXPECT_EQ(c.described.abort, c.abort) << c.className;
    }
    EXPECT_NE(cases[0].described.address, nullptr) << "where the exception was raised";
    EXPECT_EQ(cases[2].described.address, nullptr);
}
