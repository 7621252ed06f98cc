#include "session/ole_check.h"
#include "session/ole_errors.h"
#include "tests/session/raised.h"

#include "base/win/ansi.h"
#include "base/win/com_ptr.h"

#include <olectl.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Wine has a system text for E_NOTIMPL but none for CONNECT_E_NOCONNECTION or this made-up code.
constexpr HRESULT kCodeWithText = E_NOTIMPL;
constexpr const char* kTextOfCode = "Not implemented";
constexpr HRESULT kCodeWithoutText = static_cast<HRESULT>(0x8ABCDEF0);

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
    auto e = Raised<EOleSysError>([] { OleCheck(kCodeWithText); });
    ASSERT_TRUE(e);
    EXPECT_STREQ(e->ClassName(), "EOleSysError");
    EXPECT_EQ(e->ErrorCode(), kCodeWithText);
    EXPECT_EQ(e->Message(), kTextOfCode);
}

TEST(DispatchInvokeCheck, AnythingButSOkRaisesEOleSysError) {
    EXCEPINFO none{};
    DispatchInvokeCheck(S_OK, none);
    for (HRESULT hr : {S_FALSE, DISP_E_MEMBERNOTFOUND, kCodeWithText}) {
        auto e = Raised<EOleSysError>([&] { DispatchInvokeCheck(hr, none); });
        ASSERT_TRUE(e);
        EXPECT_STREQ(e->ClassName(), "EOleSysError");
        EXPECT_EQ(e->ErrorCode(), hr);
        EXPECT_EQ(e->Message(), OleErrorMessage(hr));
    }
}

TEST(DispatchInvokeCheck, ExceptionInfoBecomesEOleException) {
    EXCEPINFO info = ExcepInfo(L"Le serveur a refus\u00e9 la connexion.\r\n", kCodeWithText);
    auto e = Raised<EOleException>([&] { DispatchInvokeCheck(DISP_E_EXCEPTION, info); });
    ASSERT_TRUE(e);
    EXPECT_STREQ(e->ClassName(), "EOleException");
    EXPECT_EQ(e->Message(), WideToAnsi(L"Le serveur a refus\u00e9 la connexion"));
    EXPECT_EQ(e->ErrorCode(), kCodeWithText);
    EXPECT_EQ(e->Source(), "MsTscAx.MsTscAx");
    EXPECT_EQ(e->HelpFile(), "mstsc.hlp");
    EXPECT_EQ(e->HelpContext(), 77u);
    // The strings were freed and the fields cleared.
    EXPECT_EQ(info.bstrDescription, nullptr);
    EXPECT_EQ(info.bstrSource, nullptr);
    EXPECT_EQ(info.bstrHelpFile, nullptr);
}

TEST(DispatchInvokeCheck, DescriptionThatTrimsToNothingGivesTheMessageOfScode) {
    for (const wchar_t* description : {static_cast<const wchar_t*>(nullptr), L"", L". \r\n"}) {
        EXCEPINFO info = ExcepInfo(description, kCodeWithText);
        auto e = Raised<EOleException>([&] { DispatchInvokeCheck(DISP_E_EXCEPTION, info); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->Message(), kTextOfCode);
        EXPECT_EQ(e->ErrorCode(), kCodeWithText);
    }
}

TEST(DispatchInvokeCheck, DeferredFillInRunsOnceBeforeReading) {
    EXCEPINFO info = ExcepInfo(nullptr, 0);
    info.pfnDeferredFillIn = FillInLater;
    deferredCalls = 0;
    auto e = Raised<EOleException>([&] { DispatchInvokeCheck(DISP_E_EXCEPTION, info); });
    ASSERT_TRUE(e);
    EXPECT_EQ(deferredCalls, 1);
    EXPECT_EQ(e->Message(), "Filled in later");
    EXPECT_EQ(e->ErrorCode(), kCodeWithoutText);
    EXPECT_EQ(info.bstrDescription, nullptr);
}

// A control may report only its own wCode and leave scode 0: the exception must still carry a
// failure code and a message that is not the text of success.
TEST(DispatchInvokeCheck, ZeroScodeBecomesDispEException) {
    EXCEPINFO info = ExcepInfo(nullptr, 0);
    info.wCode = 1001;
    auto e = Raised<EOleException>([&] { DispatchInvokeCheck(DISP_E_EXCEPTION, info); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->ErrorCode(), DISP_E_EXCEPTION);
    EXPECT_EQ(e->Message(), "OLE error 80020009");
}

TEST(SafeCallCheck, SuccessCodesPass) {
    SafeCallCheck(S_OK);
    SafeCallCheck(S_FALSE);
    SafeCallCheck(0x00040200);
}

TEST(SafeCallCheck, ErrorObjectDescribesTheFailureAndIsConsumed) {
    SetThreadErrorInfo(L"Connexion impossible.\r\n", L"MsTscAx", L"mstsc.chm", 42);
    auto e = Raised<EOleException>([] { SafeCallCheck(kCodeWithoutText); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Message(), "Connexion impossible");
    EXPECT_EQ(e->ErrorCode(), kCodeWithoutText);
    EXPECT_EQ(e->Source(), "MsTscAx");
    EXPECT_EQ(e->HelpFile(), "mstsc.chm");
    EXPECT_EQ(e->HelpContext(), 42u);
    ComPtr<IErrorInfo> left;
    EXPECT_EQ(GetErrorInfo(0, left.Put()), S_FALSE);
}

TEST(SafeCallCheck, WithoutErrorObjectTheMessageComesFromTheCode) {
    ClearErrorInfo();
    auto e = Raised<EOleException>([] { SafeCallCheck(kCodeWithText); });
    ASSERT_TRUE(e);
    EXPECT_STREQ(e->ClassName(), "EOleException");
    EXPECT_EQ(e->Message(), kTextOfCode);
    EXPECT_EQ(e->ErrorCode(), kCodeWithText);
    EXPECT_EQ(e->Source(), "");
    EXPECT_EQ(e->HelpContext(), 0u);
}

TEST(SafeCallCheck, ErrorObjectWithoutDescriptionGivesTheMessageOfTheCode) {
    SetThreadErrorInfo(L" .", L"MsTscAx", L"", 0);
    auto e = Raised<EOleException>([] { SafeCallCheck(kCodeWithoutText); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Message(), "OLE error 8ABCDEF0");
    EXPECT_EQ(e->Source(), "MsTscAx");
}
