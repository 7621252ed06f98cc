// Properties by DISPID: what travels in the VARIANTs both ways, and the default interface and
// settings objects the sign-in uses.

#include "tests/session/host_fixture.h"

#include "session/ole_font.h"

#include <gmock/gmock.h>

namespace {

Variant Double(double value) {
    Variant v;
    v.Ptr()->vt = VT_R8;
    v.Ptr()->dblVal = value;
    return v;
}

} // namespace

TEST_F(HostTest, TheSixteenBitReadTakesTheLowBitsOfWhateverTheControlAnswers) {
    CreateHost();
    const struct {
        const char* name;
        Variant value;
        int16_t expected;
    } cases[] = {
        {"VT_I2 1", Variant::Short(1), 1},
        {"VT_I2 -1", Variant::Short(-1), -1},
        {"VT_I4 0x12340001", Variant::Long(0x12340001), 1},
        {"VT_I4 0x0001FFFF", Variant::Long(0x0001FFFF), -1},
        {"VT_UI4 0xFFFF0002", Variant::Unsigned(0xFFFF0002u), 2},
        {"VT_BOOL true", Variant::Bool(true), -1},
        // No conversion: 2.0 is 0x4000000000000000, whose low 16 bits are 0.
        {"VT_R8 2.0", Double(2.0), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Script().SetReadResult(RdpDispId::Connected, Variant::Copy(c.value.Get()));
        EXPECT_EQ(host->Connected(), c.expected);
        EXPECT_EQ(Control()->Calls().back(), "IDispatch::Invoke(6, GET, [], named [])");
    }
    // A control that answers without setting a value reads as 0.
    Script().Answer("IDispatch::Invoke(6, GET", S_OK, 1);
    EXPECT_EQ(host->Connected(), 0);
}

// Each write goes to its DISPID in a VARIANT of its type; empty text is the null BSTR.
TEST_F(HostTest, TypedPropertiesGoToTheirDispids) {
    CreateHost();
    auto control = Control();
    const struct {
        std::function<void()> write;
        const char* call;
    } writes[] = {
        {[&] { host->SetServer(L"127.0.2.10"); },
         "IDispatch::Invoke(1, PUT, [BSTR \"127.0.2.10\"], named [-3])"},
        {[&] { host->SetUserName(L""); }, "IDispatch::Invoke(3, PUT, [BSTR null], named [-3])"},
        {[&] { host->SetUserName(L"jdupont"); }, "IDispatch::Invoke(3, PUT, [BSTR \"jdupont\"], named [-3])"},
        {[&] { host->SetDomain(L"ECOLE"); }, "IDispatch::Invoke(2, PUT, [BSTR \"ECOLE\"], named [-3])"},
        {[&] { host->SetDisconnectedText(L"d"); }, "IDispatch::Invoke(4, PUT, [BSTR \"d\"], named [-3])"},
        {[&] { host->SetConnectingText(L"c"); }, "IDispatch::Invoke(5, PUT, [BSTR \"c\"], named [-3])"},
        {[&] { host->SetDesktopWidth(1024); }, "IDispatch::Invoke(12, PUT, [I4 1024], named [-3])"},
        {[&] { host->SetDesktopHeight(768); }, "IDispatch::Invoke(13, PUT, [I4 768], named [-3])"},
        {[&] { host->SetStartConnected(1); }, "IDispatch::Invoke(16, PUT, [I4 1], named [-3])"},
        {[&] { host->SetColorDepth(16); }, "IDispatch::Invoke(100, PUT, [I4 16], named [-3])"},
        {[&] { host->SetFullScreen(true); }, "IDispatch::Invoke(104, PUT, [BOOL -1], named [-3])"},
        {[&] { host->SetConnectedStatusText(L"ok"); },
         "IDispatch::Invoke(201, PUT, [BSTR \"ok\"], named [-3])"},
    };
    for (const auto& w : writes) {
        w.write();
        EXPECT_EQ(control->Calls().back(), w.call);
    }
    EXPECT_EQ(host->Server(), L"127.0.2.10");
    EXPECT_EQ(host->UserName(), L"jdupont");
    EXPECT_EQ(host->Domain(), L"ECOLE");
    EXPECT_EQ(host->DisconnectedText(), L"d");
    EXPECT_EQ(host->ConnectingText(), L"c");
    EXPECT_EQ(host->DesktopWidth(), 1024);
    EXPECT_EQ(host->DesktopHeight(), 768);
    EXPECT_EQ(host->StartConnected(), 1);
    EXPECT_EQ(host->ColorDepth(), 16);
    EXPECT_TRUE(host->FullScreen());
    EXPECT_EQ(host->ConnectedStatusText(), L"ok");
}

TEST_F(HostTest, AnObjectIsWrittenByReference) {
    CreateHost();
    const ComPtr<IFontDisp> font = CreateOleFont(host->Font());
    host->PutDispProperty(DISPID_FONT, Variant::Dispatch(font.Get()).Get());
    EXPECT_EQ(Control()->CountCalls("IDispatch::Invoke(-512, PUTREF, [DISPATCH "), 1);
    host->PutDispProperty(DISPID_BACKCOLOR, Variant::Long(0xFF).Get());
    EXPECT_EQ(Control()->Calls().back(), "IDispatch::Invoke(-501, PUT, [I4 255], named [-3])");
}

TEST_F(HostTest, TheDefaultInterfaceIsKeptAndSettingsAreReadAfreshEachTime) {
    CreateHost();
    auto control = Control();
    const auto first = host->ClientInterface();
    const auto second = host->ClientInterface();
    EXPECT_EQ(first, second);
    const auto queries = control->CallsWithQueries();
    EXPECT_EQ(std::count(queries.begin(), queries.end(), "IUnknown::QueryInterface(IMsRdpClient6) = S_OK"),
              1);

    host->AdvancedSettings2()->put_RDPPort(4123);
    host->AdvancedSettings2()->put_SmartSizing(VARIANT_TRUE);
    host->AdvancedSettings7()->put_EnableCredSspSupport(VARIANT_TRUE);
    host->Connect();
    EXPECT_EQ(control->CountCalls("IMsRdpClient::get_AdvancedSettings2()"), 2);
    EXPECT_EQ(control->CountCalls("IMsRdpClient6::get_AdvancedSettings7()"), 1);
    EXPECT_EQ(control->Setting("RDPPort").lVal, 4123);
    EXPECT_EQ(control->Setting("SmartSizing").boolVal, VARIANT_TRUE);
    EXPECT_EQ(control->Setting("EnableCredSspSupport").boolVal, VARIANT_TRUE);
    EXPECT_TRUE(control->Connecting());
    EXPECT_EQ(control->LiveObjects(), 1) << "each settings object is released by its user";
    EXPECT_EQ(host->RequestClose(), controlCloseCanProceed);
}
