#include "session/ole_check.h"
#include "session/ole_errors.h"
#include "tests/session/ole_exception_checks.h"
#include "tests/session/raised.h"

#include "base/win/ansi.h"
#include "base/win/com_ptr.h"

#include <olectl.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Wine has a system text for E_NOTIMPL but none for CONNECT_E_NOCONNECTION or kCodeWithoutText.
constexpr HRESULT kCodeWithText = E_NOTIMPL;
constexpr const char* kTextOfCode = "Not implemented";

void ClearErrorInfo() {
    SetErrorInfo(0, nullptr);
}

void SetThreadErrorInfo(const wchar_t* description, const wchar_t* source, const wchar_t* helpFile,
                        DWORD helpContext) {
    ComPtr<ICreateErrorInfo> create;
    ASSERT_EQ(CreateErrorInfo(create.Put()), S_OK);
    create->SetDescription(const_cast<LPOLESTR>(description));
    create->SetSource(const_cast<LPOLESTR>(source));
    create->SetHelpFile(const_cast<LPOLESTR>(helpFile));
    create->SetHelpContext(helpContext);
    ComPtr<IErrorInfo> info = create.As<IErrorInfo>();
    ASSERT_TRUE(info);
    ASSERT_EQ(SetErrorInfo(0, info.Get()), S_OK);
}

EXCEPINFO ExcepInfo(const wchar_t* description, HRESULT scode) {
    EXCEPINFO e{};
    e.bstrDescription = description ? SysAllocString(description) : nullptr;
    e.bstrSource = SysAllocString(L"MsTscAx.MsTscAx");
    e.bstrHelpFile = SysAllocString(L"mstsc.hlp");
    e.dwHelpContext = 77;
    e.scode = scode;
    return e;
}

int deferredCalls = 0;

HRESULT STDMETHODCALLTYPE FillInLater(EXCEPINFO* e) {
    ++deferredCalls;
    e->bstrDescription = SysAllocString(L"Filled in later.");
    e->scode = kCodeWithoutText;
    return S_OK;
}

} // namespace

TEST(OleErrorMessage, SystemTextOrTheFallback) {
    EXPECT_EQ(OleErrorMessage(kCodeWithText), kTextOfCode);
    EXPECT_EQ(OleErrorMessage(kCodeWithoutText), "OLE error 8ABCDEF0");
    EXPECT_EQ(OleErrorMessage(CONNECT_E_NOCONNECTION), "OLE error 80040200");
}

TEST(OleExceptions, ClassNamesAndHierarchy) {
    const EOleError error("m");
    const EOleSysError sys(kCodeWithoutText);
    const EOleException ole("m", kCodeWithoutText, "s", "h", 1);
    const EIntfCastError cast;
    const struct {
        const Exception& e;
        const char* name;
    } cases[] = {
        {error, "EOleError"}, {sys, "EOleSysError"}, {ole, "EOleException"}, {cast, "EIntfCastError"}};
    for (const auto& c : cases)
        EXPECT_STREQ(c.e.ClassName(), c.name);
    EXPECT_EQ(sys.Message(), "OLE error 8ABCDEF0");
    EXPECT_EQ(sys.ErrorCode(), kCodeWithoutText);
    EXPECT_EQ(cast.Message(), "Interface not supported");
    EXPECT_NE(dynamic_cast<const EOleSysError*>(&ole), nullptr);
}

TEST(OleCheck, RaisesEOleSysErrorForFailuresOnly) {
    OleCheck(S_OK);
    OleCheck(S_FALSE);
    ExpectSysError(Raised<EOleSysError>([] { OleCheck(kCodeWithText); }).get(), kCodeWithText);
}

TEST(DispatchInvokeCheck, AnythingButSOkRaisesEOleSysError) {
    EXCEPINFO none{};
    DispatchInvokeCheck(S_OK, none);
    for (HRESULT hr : {S_FALSE, DISP_E_MEMBERNOTFOUND, kCodeWithText}) {
        SCOPED_TRACE(hr);
        ExpectSysError(Raised<EOleSysError>([&] { DispatchInvokeCheck(hr, none); }).get(), hr);
    }
}

TEST(DispatchInvokeCheck, ExceptionInfoBecomesEOleExceptionAndIsFreed) {
    const struct {
        const char* name;
        const wchar_t* description;
        HRESULT scode;
        WORD wCode;
        bool deferred; // left to FillInLater, which must run once before anything is read
        std::string message;
        HRESULT code;
    } cases[] = {
        {"description with its tail trimmed", L"Le serveur a refus\u00e9 la connexion.\r\n", kCodeWithText, 0,
         false, WideToAnsi(L"Le serveur a refus\u00e9 la connexion"), kCodeWithText},
        // A description that trims to nothing gives the message of scode.
        {"no description", nullptr, kCodeWithText, 0, false, kTextOfCode, kCodeWithText},
        {"empty description", L"", kCodeWithText, 0, false, kTextOfCode, kCodeWithText},
        {"only a tail", L". \r\n", kCodeWithText, 0, false, kTextOfCode, kCodeWithText},
        {"deferred fill-in", nullptr, 0, 0, true, "Filled in later", kCodeWithoutText},
        // A control may report only its own wCode and leave scode 0: the exception must still
        // carry a failure code and a message that is not the text of success.
        {"wCode without scode", nullptr, 0, 1001, false, "OLE error 80020009", DISP_E_EXCEPTION},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXCEPINFO info = ExcepInfo(c.description, c.scode);
        info.wCode = c.wCode;
        if (c.deferred)
            info.pfnDeferredFillIn = FillInLater;
        deferredCalls = 0;
        ExpectOleException(Raised<EOleException>([&] { DispatchInvokeCheck(DISP_E_EXCEPTION, info); }).get(),
                           {c.message, c.code, "MsTscAx.MsTscAx", "mstsc.hlp", 77});
        EXPECT_EQ(deferredCalls, c.deferred ? 1 : 0);
        // The strings were freed and the fields cleared.
        EXPECT_EQ(info.bstrDescription, nullptr);
        EXPECT_EQ(info.bstrSource, nullptr);
        EXPECT_EQ(info.bstrHelpFile, nullptr);
    }
}

TEST(SafeCallCheck, SuccessCodesPass) {
    for (HRESULT hr : {S_OK, S_FALSE, static_cast<HRESULT>(0x00040200)})
        SafeCallCheck(hr);
}

// The exception carries the error object's source, help file and context, and its description
// unless that trims to nothing.
TEST(SafeCallCheck, FailuresRaiseFromTheErrorObjectWhichIsConsumedOrFromTheCode) {
    const struct {
        const char* name;
        const wchar_t* description; // null: no error object
        const wchar_t* source;
        const wchar_t* helpFile;
        DWORD helpContext;
        HRESULT code;
        const char* message;
    } cases[] = {
        {"error object", L"Connexion impossible.\r\n", L"MsTscAx", L"mstsc.chm", 42, kCodeWithoutText,
         "Connexion impossible"},
        {"no error object", nullptr, L"", L"", 0, kCodeWithText, kTextOfCode},
        {"error object without description", L" .", L"MsTscAx", L"", 0, kCodeWithoutText,
         "OLE error 8ABCDEF0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.description)
            SetThreadErrorInfo(c.description, c.source, c.helpFile, c.helpContext);
        else
            ClearErrorInfo();
        ExpectOleException(Raised<EOleException>([&] { SafeCallCheck(c.code); }).get(),
                           {c.message, c.code, WideToAnsi(c.source), WideToAnsi(c.helpFile), c.helpContext});
        ComPtr<IErrorInfo> left;
        EXPECT_EQ(GetErrorInfo(0, left.Put()), S_FALSE);
    }
}
