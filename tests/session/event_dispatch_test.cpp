// The control's events reaching the wrapper's slots through the host's event sink.

#include "tests/session/host_fixture.h"

#include "base/exception.h"
#include "base/win/ansi.h"
#include "framework/reader.h"
#include "session/ole_errors.h"
#include "session/rdp_ids.h"

#include <gmock/gmock.h>

using testing::ElementsAre;

namespace {

std::string Text(BSTR s) {
    return s ? WideToAnsi(std::wstring_view(s, SysStringLen(s))) : "null";
}

class EventTest : public HostTest {
  protected:
    void SetUp() override {
        HostTest::SetUp();
        CreateHost();
        ShowForm();
    }

    // Records "Name arguments" for each handled event, checking the sender.
    void Seen(TComponent* sender, std::string text) {
        EXPECT_EQ(sender, host);
        seen.push_back(std::move(text));
    }

    std::vector<std::string> seen;
};

std::string Join(std::initializer_list<std::string> parts) {
    std::string text;
    for (const auto& p : parts)
        text += (text.empty() ? "" : " ") + p;
    return text;
}

} // namespace

TEST_F(EventTest, EachSlotReceivesItsArgumentsInDeclarationOrder) {
    auto& h = *host;
    auto note = [this](const char* name) { return [this, name](TComponent* s) { Seen(s, name); }; };
    h.OnConnecting = note("OnConnecting");
    h.OnConnected = note("OnConnected");
    h.OnLoginComplete = note("OnLoginComplete");
    h.OnDisconnected = [this](TComponent* s, int32_t r) {
        Seen(s, Join({"OnDisconnected", std::to_string(r)}));
    };
    h.OnEnterFullScreenMode = note("OnEnterFullScreenMode");
    h.OnLeaveFullScreenMode = note("OnLeaveFullScreenMode");
    h.OnChannelReceivedData = [this](TComponent* s, BSTR c, BSTR d) {
        Seen(s, Join({"OnChannelReceivedData", Text(c), Text(d)}));
    };
    h.OnRequestGoFullScreen = note("OnRequestGoFullScreen");
    h.OnRequestLeaveFullScreen = note("OnRequestLeaveFullScreen");
    h.OnFatalError = [this](TComponent* s, int32_t e) { Seen(s, Join({"OnFatalError", std::to_string(e)})); };
    h.OnWarning = [this](TComponent* s, int32_t w) { Seen(s, Join({"OnWarning", std::to_string(w)})); };
    h.OnRemoteDesktopSizeChange = [this](TComponent* s, int32_t w, int32_t hh) {
        Seen(s, Join({"OnRemoteDesktopSizeChange", std::to_string(w), std::to_string(hh)}));
    };
    h.OnIdleTimeoutNotification = note("OnIdleTimeoutNotification");
    h.OnRequestContainerMinimize = note("OnRequestContainerMinimize");
    h.OnConfirmClose = note("OnConfirmClose");
    h.OnReceivedTSPublicKey = [this](TComponent* s, BSTR k) {
        Seen(s, Join({"OnReceivedTSPublicKey", Text(k)}));
    };
    h.OnAutoReconnecting = [this](TComponent* s, int32_t r, int32_t n) {
        Seen(s, Join({"OnAutoReconnecting", std::to_string(r), std::to_string(n)}));
    };
    h.OnAuthenticationWarningDisplayed = note("OnAuthenticationWarningDisplayed");
    h.OnAuthenticationWarningDismissed = note("OnAuthenticationWarningDismissed");
    h.OnRemoteProgramResult = [this](TComponent* s, BSTR p, int32_t e, VARIANT_BOOL x) {
        Seen(s, Join({"OnRemoteProgramResult", Text(p), std::to_string(e), std::to_string(x)}));
    };
    h.OnRemoteProgramDisplayed = [this](TComponent* s, VARIANT_BOOL d, uint32_t i) {
        Seen(s, Join({"OnRemoteProgramDisplayed", std::to_string(d), std::to_string(i)}));
    };
    h.OnLogonError = [this](TComponent* s, int32_t e) { Seen(s, Join({"OnLogonError", std::to_string(e)})); };
    h.OnFocusReleased = [this](TComponent* s, int32_t d) {
        Seen(s, Join({"OnFocusReleased", std::to_string(d)}));
    };
    h.OnUserNameAcquired = [this](TComponent* s, BSTR n) { Seen(s, Join({"OnUserNameAcquired", Text(n)})); };
    h.OnMouseInputModeChanged = [this](TComponent* s, VARIANT_BOOL r) {
        Seen(s, Join({"OnMouseInputModeChanged", std::to_string(r)}));
    };

    auto control = Control();
    using V = Variant;
    const HRESULT results[] = {
        control->Fire(RdpEvent::OnConnecting),
        control->Fire(RdpEvent::OnConnected),
        control->Fire(RdpEvent::OnLoginComplete),
        control->Fire(RdpEvent::OnDisconnected, V::Long(2308)),
        control->Fire(RdpEvent::OnEnterFullScreenMode),
        control->Fire(RdpEvent::OnLeaveFullScreenMode),
        control->Fire(RdpEvent::OnChannelReceivedData, V::Text(L"cliprdr"), V::Text(L"payload")),
        control->Fire(RdpEvent::OnRequestGoFullScreen),
        control->Fire(RdpEvent::OnRequestLeaveFullScreen),
        control->Fire(RdpEvent::OnFatalError, V::Long(-7)),
        control->Fire(RdpEvent::OnWarning, V::Long(1)),
        control->Fire(RdpEvent::OnRemoteDesktopSizeChange, V::Long(1024), V::Long(768)),
        control->Fire(RdpEvent::OnIdleTimeoutNotification),
        control->Fire(RdpEvent::OnRequestContainerMinimize),
        control->Fire(RdpEvent::OnConfirmClose),
        control->Fire(RdpEvent::OnReceivedTSPublicKey, V::Text(L"AB12")),
        control->Fire(RdpEvent::OnAutoReconnecting, V::Long(264), V::Long(3)),
        control->Fire(RdpEvent::OnAuthenticationWarningDisplayed),
        control->Fire(RdpEvent::OnAuthenticationWarningDismissed),
        control->Fire(RdpEvent::OnRemoteProgramResult, V::Text(L"notepad"), V::Long(2), V::Bool(true)),
        control->Fire(RdpEvent::OnRemoteProgramDisplayed, V::Bool(false), V::Unsigned(0x80000001u)),
        control->Fire(RdpEvent::OnLogonError, V::Long(-2)),
        control->Fire(RdpEvent::OnFocusReleased, V::Long(-1)),
        control->Fire(RdpEvent::OnUserNameAcquired, V::Text(L"ECOLE\\jdupont")),
        control->Fire(RdpEvent::OnMouseInputModeChanged, V::Bool(true)),
    };
    for (const HRESULT hr : results)
        EXPECT_EQ(hr, S_OK);
    EXPECT_THAT(seen,
                ElementsAre("OnConnecting", "OnConnected", "OnLoginComplete", "OnDisconnected 2308",
                            "OnEnterFullScreenMode", "OnLeaveFullScreenMode",
                            "OnChannelReceivedData cliprdr payload", "OnRequestGoFullScreen",
                            "OnRequestLeaveFullScreen", "OnFatalError -7", "OnWarning 1",
                            "OnRemoteDesktopSizeChange 1024 768", "OnIdleTimeoutNotification",
                            "OnRequestContainerMinimize", "OnConfirmClose", "OnReceivedTSPublicKey AB12",
                            "OnAutoReconnecting 264 3", "OnAuthenticationWarningDisplayed",
                            "OnAuthenticationWarningDismissed", "OnRemoteProgramResult notepad 2 -1",
                            "OnRemoteProgramDisplayed 0 2147483649", "OnLogonError -2", "OnFocusReleased -1",
                            "OnUserNameAcquired ECOLE\\jdupont", "OnMouseInputModeChanged -1"));
    EXPECT_TRUE(app.reports.empty());
}

// The window description names each event; its handler must be the one the control's DISPID
// for that event calls. The handler's type is found by trying each event handler signature.
class EventNameTest : public EventTest {
  protected:
    template <class... Args>
    bool BindAs(const char* event) {
        MethodTable methods;
        methods.Add<std::function<void(TComponent*, Args...)>>(
            "record", [this, event](TComponent* s, Args...) { Seen(s, event); });
        TReader reader(form.get(), methods);
        try {
            return host->ReadProperty(reader, DescProperty{event, DescValue::Identifier("record"), 0});
        } catch (const EReadError&) {
            return false;
        }
    }

    bool Bind(const char* event) {
        return BindAs<>(event) || BindAs<int32_t>(event) || BindAs<int32_t, int32_t>(event) ||
               BindAs<BSTR>(event) || BindAs<BSTR, BSTR>(event) ||
               BindAs<BSTR, int32_t, VARIANT_BOOL>(event) || BindAs<VARIANT_BOOL>(event) ||
               BindAs<VARIANT_BOOL, uint32_t>(event);
    }
};

TEST_F(EventNameTest, EachDescriptionNameBindsTheHandlerThatItsDispidCalls) {
    const std::pair<const char*, DISPID> events[] = {
        {"OnConnecting", RdpEvent::OnConnecting},
        {"OnConnected", RdpEvent::OnConnected},
        {"OnLoginComplete", RdpEvent::OnLoginComplete},
        {"OnDisconnected", RdpEvent::OnDisconnected},
        {"OnEnterFullScreenMode", RdpEvent::OnEnterFullScreenMode},
        {"OnLeaveFullScreenMode", RdpEvent::OnLeaveFullScreenMode},
        {"OnChannelReceivedData", RdpEvent::OnChannelReceivedData},
        {"OnRequestGoFullScreen", RdpEvent::OnRequestGoFullScreen},
        {"OnRequestLeaveFullScreen", RdpEvent::OnRequestLeaveFullScreen},
        {"OnFatalError", RdpEvent::OnFatalError},
        {"OnWarning", RdpEvent::OnWarning},
        {"OnRemoteDesktopSizeChange", RdpEvent::OnRemoteDesktopSizeChange},
        {"OnIdleTimeoutNotification", RdpEvent::OnIdleTimeoutNotification},
        {"OnRequestContainerMinimize", RdpEvent::OnRequestContainerMinimize},
        {"OnConfirmClose", RdpEvent::OnConfirmClose},
        {"OnReceivedTSPublicKey", RdpEvent::OnReceivedTSPublicKey},
        {"OnAutoReconnecting", RdpEvent::OnAutoReconnecting},
        {"OnAuthenticationWarningDisplayed", RdpEvent::OnAuthenticationWarningDisplayed},
        {"OnAuthenticationWarningDismissed", RdpEvent::OnAuthenticationWarningDismissed},
        {"OnRemoteProgramResult", RdpEvent::OnRemoteProgramResult},
        {"OnRemoteProgramDisplayed", RdpEvent::OnRemoteProgramDisplayed},
        {"OnLogonError", RdpEvent::OnLogonError},
        {"OnFocusReleased", RdpEvent::OnFocusReleased},
        {"OnUserNameAcquired", RdpEvent::OnUserNameAcquired},
        {"OnMouseInputModeChanged", RdpEvent::OnMouseInputModeChanged},
    };
    for (const auto& [name, dispid] : events)
        ASSERT_TRUE(Bind(name)) << name;
    for (const auto& [name, dispid] : events) {
        seen.clear();
        // Every event reads at most four arguments, each converted from a long.
        EXPECT_EQ(
            Control()->Fire(dispid, Variant::Long(1), Variant::Long(2), Variant::Long(3), Variant::Long(4)),
            S_OK);
        EXPECT_THAT(seen, ElementsAre(name)) << "DISPID " << dispid;
    }
    EXPECT_TRUE(app.reports.empty());
}

TEST_F(EventTest, StringsAreTheControlsOwnBstrAndOtherTypesAreConverted) {
    BSTR received = nullptr;
    host->OnUserNameAcquired = [&](TComponent*, BSTR name) { received = name; };
    int32_t reason = 0;
    host->OnDisconnected = [&](TComponent*, int32_t r) { reason = r; };
    Variant name = Variant::Text(L"jdupont");
    const BSTR sent = name.Get().bstrVal;
    Control()->Fire(RdpEvent::OnUserNameAcquired, std::move(name));
    EXPECT_EQ(received, sent);

    Control()->Fire(RdpEvent::OnDisconnected, Variant::Short(3));
    EXPECT_EQ(reason, 3);
    long byReference = 2055;
    Variant ref;
    ref.Ptr()->vt = VT_BYREF | VT_I4;
    ref.Ptr()->plVal = &byReference;
    Control()->Fire(RdpEvent::OnDisconnected, std::move(ref));
    EXPECT_EQ(reason, 2055);
    EXPECT_TRUE(app.reports.empty());

    // Arguments that cannot be read are reported like any failure of a handler.
    EXPECT_EQ(Control()->Fire(RdpEvent::OnDisconnected, Variant::Text(L"abc")), S_OK);
    EXPECT_EQ(Control()->Fire(RdpEvent::OnDisconnected), S_OK);
    // Read first to last: the first argument that cannot be read is the one reported.
    host->OnRemoteDesktopSizeChange = [&](TComponent*, int32_t, int32_t) { reason = 0; };
    EXPECT_EQ(Control()->Fire(RdpEvent::OnRemoteDesktopSizeChange, Variant::Text(L"abc")), S_OK);
    ASSERT_EQ(app.reports.size(), 3u);
    EXPECT_EQ(app.reports[0].message, OleErrorMessage(DISP_E_TYPEMISMATCH));
    EXPECT_EQ(app.reports[1].message, OleErrorMessage(DISP_E_BADPARAMCOUNT));
    EXPECT_EQ(app.reports[2].message, OleErrorMessage(DISP_E_TYPEMISMATCH));
    EXPECT_EQ(reason, 2055);
}

TEST_F(EventTest, UnknownDispidsAndEmptySlotsDoNothing) {
    int calls = 0;
    host->OnConnected = [&](TComponent*) { ++calls; };
    auto control = Control();
    EXPECT_EQ(control->Fire(25, Variant::Long(1)), S_OK);
    EXPECT_EQ(control->Fire(28), S_OK);
    // Empty slots, even with arguments that could not be read.
    EXPECT_EQ(control->Fire(RdpEvent::OnDisconnected, Variant::Text(L"abc")), S_OK);
    EXPECT_EQ(control->Fire(RdpEvent::OnAuthenticationWarningDisplayed), S_OK);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(app.reports.empty());
}

TEST_F(EventTest, ARaisingHandlerIsReportedOnceAndLaterEventsStillArrive) {
    int disconnected = 0;
    host->OnConnected = [](TComponent*) { throw Exception("Le serveur a refus\xE9 la session"); };
    host->OnDisconnected = [&](TComponent*, int32_t) { ++disconnected; };
    auto control = Control();
    EXPECT_EQ(control->Fire(RdpEvent::OnConnected), S_OK);
    ASSERT_EQ(app.reports.size(), 1u);
    EXPECT_EQ(app.reports[0].sender, host);
    EXPECT_EQ(app.reports[0].className, "Exception");
    EXPECT_EQ(app.reports[0].message, "Le serveur a refus\xE9 la session");
    EXPECT_EQ(control->Fire(RdpEvent::OnDisconnected, Variant::Long(1)), S_OK);
    EXPECT_EQ(disconnected, 1);
    EXPECT_EQ(app.reports.size(), 1u);
}

TEST_F(EventTest, StockEventsBecomeTheHostsOwnNotifications) {
    host->OnClick = [&](TComponent* s) { Seen(s, "Click"); };
    host->OnDblClick = [&](TComponent* s) { Seen(s, "DblClick"); };
    host->OnKeyDown = [&](TComponent* s, int16_t& key, int16_t shift) {
        Seen(s, Join({"KeyDown", std::to_string(key), std::to_string(shift)}));
        key = 0;
    };
    host->OnKeyPress = [&](TComponent* s, int16_t& key) { Seen(s, Join({"KeyPress", std::to_string(key)})); };
    host->OnKeyUp = [&](TComponent* s, int16_t& key, int16_t shift) {
        Seen(s, Join({"KeyUp", std::to_string(key), std::to_string(shift)}));
    };
    host->OnMouseDown = [&](TComponent* s, int16_t b, int16_t sh, int32_t x, int32_t y) {
        Seen(s, Join({"MouseDown", std::to_string(b), std::to_string(sh), std::to_string(x),
                      std::to_string(y)}));
    };
    host->OnMouseMove = [&](TComponent* s, int16_t b, int16_t, int32_t x, int32_t y) {
        Seen(s, Join({"MouseMove", std::to_string(b), std::to_string(x), std::to_string(y)}));
    };
    host->OnMouseUp = [&](TComponent* s, int16_t b, int16_t, int32_t, int32_t) {
        Seen(s, Join({"MouseUp", std::to_string(b)}));
    };
    auto control = Control();
    short keyCode = 'A';
    Variant key;
    key.Ptr()->vt = VT_BYREF | VT_I2;
    key.Ptr()->piVal = &keyCode;
    control->Fire(DISPID_CLICK);
    control->Fire(DISPID_DBLCLICK);
    control->Fire(DISPID_KEYDOWN, std::move(key), Variant::Short(1));
    control->Fire(DISPID_KEYPRESS, Variant::Short('a'));
    control->Fire(DISPID_KEYUP, Variant::Short('A'), Variant::Short(2));
    control->Fire(DISPID_MOUSEDOWN, Variant::Short(1), Variant::Short(4), Variant::Long(10),
                  Variant::Long(20));
    control->Fire(DISPID_MOUSEMOVE, Variant::Short(0), Variant::Short(0), Variant::Long(11),
                  Variant::Long(21));
    control->Fire(DISPID_MOUSEUP, Variant::Short(1), Variant::Short(0), Variant::Long(11), Variant::Long(21));
    EXPECT_THAT(seen, ElementsAre("Click", "DblClick", "KeyDown 65 1", "KeyPress 97", "KeyUp 65 2",
                                  "MouseDown 1 4 10 20", "MouseMove 0 11 21", "MouseUp 1"));
    EXPECT_EQ(keyCode, 0) << "a by-reference key code changed by the handler reaches the control";
}

TEST_F(EventTest, TheSinkAnswersOnlyItsInterfacesAndCountsOnTheHost) {
    const auto sinks = Control()->EventSinks();
    ASSERT_EQ(sinks.size(), 1u);
    IUnknown* sink = sinks[0].Get();
    for (const IID& iid : {IID_IUnknown, IID_IDispatch, DIID_IMsTscAxEvents}) {
        ComPtr<IUnknown> answered;
        EXPECT_EQ(sink->QueryInterface(iid, answered.PutVoid()), S_OK);
        EXPECT_EQ(answered.Get(), sink);
    }
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(sink->QueryInterface(IID_IOleClientSite, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);

    const long held = host->SiteRefCount();
    sink->AddRef();
    EXPECT_EQ(host->SiteRefCount(), held + 1);
    sink->Release();
    EXPECT_EQ(host->SiteRefCount(), held);

    auto* dispatch = static_cast<IDispatch*>(sink);
    UINT count = 7;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    ITypeInfo* info = reinterpret_cast<ITypeInfo*>(1);
    EXPECT_EQ(dispatch->GetTypeInfo(0, 0, &info), E_NOTIMPL);
    EXPECT_EQ(info, nullptr);
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, nullptr, 0, 0, nullptr), E_NOTIMPL);

    // The interface identifier, the locale and the flags do not matter.
    int connected = 0;
    host->OnConnected = [&](TComponent*) { ++connected; };
    DISPPARAMS noArguments{nullptr, nullptr, 0, 0};
    EXPECT_EQ(dispatch->Invoke(RdpEvent::OnConnected, IID_IOleObject, 0x40C, DISPATCH_PROPERTYGET,
                               &noArguments, nullptr, nullptr, nullptr),
              S_OK);
    EXPECT_EQ(connected, 1);
}

TEST_F(HostTest, AControlWithoutAnEventsConnectionPointRunsAndNoHandlerIsEverCalled) {
    Script().WithholdConnectionPoint(DIID_IMsTscAxEvents);
    CreateHost();
    int calls = 0;
    host->OnConnected = [&](TComponent*) { ++calls; };
    host->OnDisconnected = [&](TComponent*, int32_t) { ++calls; };
    ShowForm();
    EXPECT_TRUE(host->InPlaceActive());
    EXPECT_TRUE(Control()->EventSinks().empty());
    EXPECT_EQ(Control()->Fire(RdpEvent::OnConnected), S_FALSE) << "no sink to call";
    EXPECT_EQ(Control()->Fire(RdpEvent::OnDisconnected, Variant::Long(1)), S_FALSE);
    EXPECT_EQ(calls, 0);
}
