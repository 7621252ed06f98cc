#pragma once
// What the OLE exceptions the checks and the host raise must carry, checked the same way by the
// tests of the checks, of the host and of the scripted control.

#include "session/ole_errors.h"

#include <gtest/gtest.h>

#include <string>

// A failure code the system has no text for: its message is the fallback "OLE error 8ABCDEF0".
constexpr HRESULT kCodeWithoutText = static_cast<HRESULT>(0x8ABCDEF0);

struct OleExceptionFields {
    std::string message;
    HRESULT code;
    std::string source;
    std::string helpFile;
    DWORD helpContext;
};

// An EOleSysError (and not a subclass) of `code` with the message of that code.
inline void ExpectSysError(const EOleSysError* e, HRESULT code) {
    ASSERT_TRUE(e);
    EXPECT_STREQ(e->ClassName(), "EOleSysError");
    EXPECT_EQ(e->ErrorCode(), code);
    EXPECT_EQ(e->Message(), OleErrorMessage(code));
}

inline void ExpectOleException(const EOleException* e, const OleExceptionFields& expected) {
    ASSERT_TRUE(e);
    EXPECT_STREQ(e->ClassName(), "EOleException");
    EXPECT_EQ(e->Message(), expected.message);
    EXPECT_EQ(e->ErrorCode(), expected.code);
    EXPECT_EQ(e->Source(), expected.source);
    EXPECT_EQ(e->HelpFile(), expected.helpFile);
    EXPECT_EQ(e->HelpContext(), expected.helpContext);
}
