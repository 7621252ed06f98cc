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

std::string ArgumentText(BSTR s) {
    return s ? WideToAnsi(std::wstring_view(s, SysStringLen(s))) : "null";
}

template <class T>
std::string ArgumentText(T value) {
    return std::to_string(value);
}

class EventTest : public HostTest {
  protected:
    void SetUp() override {
        HostTest::SetUp();
        ShowNewHost();
    }

    // Records "Name arguments" for each handled event, checking the sender.
    void Seen(TComponent* sender, std::string text) {
        EXPECT_EQ(sender, host);
        seen.push_back(std::move(text));
    }

    // A handler for a slot of any signature that records its name and arguments.
    auto Recorder(std::string name) {
        return [this, name](TComponent* sender, auto... arguments) {
            std::string text = name;
            ((text += " " + ArgumentText(arguments)), ...);
            Seen(sender, text);
        };
    }

    std::vector<std::string> seen;
};

} // namespace

TEST_F(EventTest, EachSlotReceivesItsArgumentsInDeclarationOrder) {
    auto& h = *host;
    h.OnConnecting = Recorder("OnConnecting");
    h.OnConnected = Recorder("OnConnected");
    h.OnLoginComplete = Recorder("OnLoginComplete");
    h.OnDisconnected = Recorder("OnDisconnected");
    h.OnEnterFullScreenMode = Recorder("OnEnterFullScreenMode");
    h.OnLeaveFullScreenMode = Recorder("OnLeaveFullScreenMode");
    h.OnChannelReceivedData = Recorder("OnChannelReceivedData");
    h.OnRequestGoFullScreen = Recorder("OnRequestGoFullScreen");
    h.OnRequestLeaveFullScreen = Recorder("OnRequestLeaveFullScreen");
    h.OnFatalError = Recorder("OnFatalError");
    h.OnWarning = Recorder("OnWarning");
    h.OnRemoteDesktopSizeChange = Recorder("OnRemoteDesktopSizeChange");
    h.OnIdleTimeoutNotification = Recorder("OnIdleTimeoutNotification");
    h.OnRequestContainerMinimize = Recorder("OnRequestContainerMinimize");
    h.OnConfirmClose = Recorder("OnConfirmClose");
    h.OnReceivedTSPublicKey = Recorder("OnReceivedTSPublicKey");
    h.OnAutoReconnecting = Recorder("OnAutoReconnecting");
    h.OnAuthenticationWarningDisplayed = Recorder("OnAuthenticationWarningDisplayed");
    h.OnAuthenticationWarningDismissed = Recorder("OnAuthenticationWarningDismissed");
    h.OnRemoteProgramResult = Recorder("OnRemoteProgramResult");
    h.OnRemoteProgramDisplayed = Recorder("OnRemoteProgramDisplayed");
    h.OnLogonError = Recorder("OnLogonError");
    h.OnFocusReleased = Recorder("OnFocusReleased");
    h.OnUserNameAcquired = Recorder("OnUserNameAcquired");
    h.OnMouseInputModeChanged = Recorder("OnMouseInputModeChanged");
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
        TReader reader(methods);
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
    host->OnClick = Recorder("Click");
    host->OnDblClick = Recorder("DblClick");
    host->OnKeyDown = [&, record = Recorder("KeyDown")](TComponent* s, int16_t& key, int16_t shift) {
        record(s, key, shift);
        key = 0;
    };
    host->OnKeyPress = Recorder("KeyPress");
    host->OnKeyUp = Recorder("KeyUp");
    host->OnMouseDown = Recorder("MouseDown");
    host->OnMouseMove = Recorder("MouseMove");
    host->OnMouseUp = Recorder("MouseUp");
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
                                  "MouseDown 1 4 10 20", "MouseMove 0 0 11 21", "MouseUp 1 0 11 21"));
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
    ExpectNoTypeInformation(dispatch);

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
