// How each failing call of the control surfaces: the exception class and message the host
// raises, or the silence it keeps, and what the host still holds afterwards.

#include "tests/session/host_fixture.h"

#include "base/win/ansi.h"
#include "session/ole_errors.h"
#include "session/ole_host_platform.h"
#include "tests/session/ole_exception_checks.h"

#include <gmock/gmock.h>

namespace {

struct ScriptStep {
    const char* name;
    std::function<void(scripted::ControlScript&)> prepare;
    HRESULT code;
    bool stored = true; // whether the host has stored state to load
};

} // namespace

TEST_F(HostTest, AFailureWhileCreatingRaisesFromTheCodeAndLeavesNoHostAndNoReference) {
    const ScriptStep steps[] = {
        {"CoCreateInstance", [](auto& s) { s.Withhold(IID_IOleObject); }, E_NOINTERFACE},
        {"GetMiscStatus", [](auto& s) { s.Answer("IOleObject::GetMiscStatus", E_FAIL); }, E_FAIL},
        {"SetClientSite", [](auto& s) { s.Answer("IOleObject::SetClientSite(site)", E_ACCESSDENIED); },
         E_ACCESSDENIED},
        {"layout request", [](auto& s) { s.Answer("IOleObject::GetExtent", kCodeWithoutText); },
         kCodeWithoutText},
        {"IPersistStreamInit", [](auto& s) { s.Withhold(IID_IPersistStreamInit); }, E_NOINTERFACE},
    };
    for (const ScriptStep& step : steps) {
        SCOPED_TRACE(step.name);
        Script() = scripted::ControlScript();
        step.prepare(Script());
        const int before = registration.InstancesCreated();
        ExpectSysError(Raised<EOleSysError>([&] { new ProbeHost(form.get()); }).get(), step.code);
        EXPECT_TRUE(form->Components().empty()) << "the host is not created";
        ASSERT_EQ(registration.InstancesCreated(), before + 1);
        EXPECT_FALSE(Control()->Alive()) << "the control is released";
        EXPECT_FALSE(Control()->ClientSite()) << "and holds no site";
    }
}

TEST_F(HostTest, AFailureWhileStartingRaisesFromTheCodeAfterReleasingWhatWasObtained) {
    const ScriptStep steps[] = {
        {"SetClientSite",
         [](auto& s) {
             s.Answer("IOleObject::GetClientSite", E_FAIL);
             s.Answer("IOleObject::SetClientSite(site)", E_ACCESSDENIED);
         },
         E_ACCESSDENIED},
        {"Load", [](auto& s) { s.Answer("IPersistStreamInit::Load", STG_E_READFAULT); }, STG_E_READFAULT},
        {"IOleControl", [](auto& s) { s.Withhold(IID_IOleControl); }, E_NOINTERFACE},
        {"IDispatch", [](auto& s) { s.Withhold(IID_IDispatch); }, E_NOINTERFACE},
        {"InitNew", [](auto& s) { s.Answer("IPersistStreamInit::InitNew", E_OUTOFMEMORY); }, E_OUTOFMEMORY,
         false},
    };
    for (const ScriptStep& step : steps) {
        SCOPED_TRACE(step.name);
        Script() = scripted::ControlScript();
        CreateHost(step.stored);
        auto control = Control();
        const long held = control->RefCount();
        step.prepare(Script());
        ExpectSysError(Raised<EOleSysError>([&] { host->EnsureRunning(); }).get(), step.code);
        EXPECT_FALSE(host->Running());
        EXPECT_EQ(control->RefCount(), held) << "interfaces obtained so far are released";
        EXPECT_EQ(control->CountCalls("IConnectionPoint::Advise"), 0);
        FreeHost();
        EXPECT_FALSE(control->Alive());
    }
}

TEST_F(HostTest, AFailedLoadKeepsTheStoredStateForTheNextStart) {
    CreateHost();
    Script().Answer("IPersistStreamInit::Load", E_FAIL, 1);
    EXPECT_TRUE(Raised<EOleSysError>([&] { host->EnsureRunning(); }));
    EXPECT_TRUE(host->HasStoredState());
    host->EnsureRunning();
    EXPECT_TRUE(host->Running());
    EXPECT_FALSE(host->HasStoredState());
    EXPECT_TRUE(Control()->LoadedState());
}

namespace {

// Replaces the host's platform calls for the life of the object.
class PlatformOverride {
  public:
    PlatformOverride() : saved_(OleHostPlatform()) {}
    ~PlatformOverride() { OleHostPlatform() = saved_; }

  private:
    TOleHostPlatform saved_;
};

HRESULT WINAPI FailToCreateStream(HGLOBAL, BOOL, IStream** stream) {
    *stream = nullptr;
    return E_OUTOFMEMORY;
}

} // namespace

TEST_F(HostTest, StoredStateThatCannotBeCopiedIsDroppedSilentlyAndTheControlStartsFresh) {
    PlatformOverride restore;
    OleHostPlatform().copyToGlobalMemory = [](const void*, size_t) noexcept { return GlobalMemory(); };
    CreateHost();
    EXPECT_FALSE(host->HasStoredState());
    host->EnsureRunning();
    EXPECT_TRUE(host->Running());
    EXPECT_EQ(Control()->CountCalls("IPersistStreamInit::InitNew()"), 1);
    EXPECT_FALSE(Control()->LoadedState());
    EXPECT_TRUE(app.reports.empty());
}

TEST_F(HostTest, AStreamThatCannotBeMadeOnTheStoredStateRaisesFromTheCode) {
    PlatformOverride restore;
    OleHostPlatform().createStreamOnHGlobal = FailToCreateStream;
    CreateHost();
    auto control = Control();
    const long held = control->RefCount();
    ExpectSysError(Raised<EOleSysError>([&] { host->EnsureRunning(); }).get(), E_OUTOFMEMORY);
    EXPECT_FALSE(host->Running());
    EXPECT_TRUE(host->HasStoredState()) << "kept for the next start";
    EXPECT_EQ(control->CountCalls("IPersistStreamInit::Load"), 0);
    EXPECT_EQ(control->RefCount(), held);
}

TEST_F(HostTest, OptionalInterfacesAndConnectionsThatAreMissingAreIgnored) {
    const struct {
        const char* name;
        std::function<void(scripted::ControlScript&)> prepare;
        int advised; // connections made, each undone at teardown
    } steps[] = {
        {"no IPerPropertyBrowsing", [](auto& s) { s.Withhold(IID_IPerPropertyBrowsing); }, 2},
        {"no connection points", [](auto& s) { s.Withhold(IID_IConnectionPointContainer); }, 0},
        {"no property notifications", [](auto& s) { s.WithholdConnectionPoint(IID_IPropertyNotifySink); }, 1},
        {"no events", [](auto& s) { s.WithholdConnectionPoint(DIID_IMsTscAxEvents); }, 1},
        {"Advise refused", [](auto& s) { s.Answer("IConnectionPoint::Advise", CONNECT_E_ADVISELIMIT); }, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        Script() = scripted::ControlScript();
        step.prepare(Script());
        ShowNewHost();
        EXPECT_TRUE(host->Running());
        EXPECT_TRUE(host->InPlaceActive());
        EXPECT_EQ(host->Connected(), 0);
        EXPECT_GT(host->SiteRefCount(), 0) << "the control holds the site";
        auto control = Control();
        FreeHost();
        EXPECT_EQ(control->CountCalls("IConnectionPoint::Unadvise"), step.advised);
        EXPECT_FALSE(control->Alive());
    }
}

TEST_F(HostTest, ActivationWithoutAnInPlaceObjectOrAWindowRaisesTheActivationErrors) {
    const struct {
        const char* name;
        std::function<void(scripted::ControlScript&)> prepare;
        const char* message;
    } steps[] = {
        {"no IOleInPlaceObject", [](auto& s) { s.Withhold(IID_IOleInPlaceObject); },
         "OLE control activation failed"},
        {"no window", [](auto& s) { s.Answer("IOleWindow::GetWindow", E_FAIL); },
         "Could not obtain OLE control window handle"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        Script() = scripted::ControlScript();
        step.prepare(Script());
        CreateHost();
        const auto e = Raised<EOleError>([&] { host->HandleNeeded(); });
        ASSERT_TRUE(e);
        EXPECT_STREQ(e->ClassName(), "EOleError");
        EXPECT_EQ(e->Message(), step.message);
        EXPECT_FALSE(host->HandleAllocated());
        auto control = Control();
        FreeHost();
        EXPECT_FALSE(control->Alive());
    }
}

TEST_F(HostTest, AFailedActivationIsTriedAgainOnlyWhenTheFocusIsAskedFor) {
    const struct {
        const char* failing;
        const char* message;
    } steps[] = {
        {"IOleObject::DoVerb", "OLE control activation failed"},
        {"IOleWindow::GetWindow", "Could not obtain OLE control window handle"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.failing);
        Script() = scripted::ControlScript();
        Script().Answer(step.failing, E_FAIL);
        auto control = ShowNewHost();
        ASSERT_EQ(app.reports.size(), 1u);
        EXPECT_EQ(app.reports[0].message, step.message);
        EXPECT_TRUE(host->ActivationFailed());
        EXPECT_FALSE(host->CanFocus()) << "no window to take it";

        // Showing the form again, and the form getting the focus, leave it as it is.
        form->Hide();
        form->Show();
        SetFocus(form->Handle());
        Pump();
        EXPECT_EQ(control->CountCalls("IOleObject::DoVerb(INPLACEACTIVATE"), 1);
        EXPECT_EQ(app.reports.size(), 1u);
        EXPECT_FALSE(host->HandleAllocated());

        // Asked for the focus, the host tries once more and raises the failure to the caller.
        const auto again = Raised<EOleError>([&] { host->SetFocus(); });
        ASSERT_TRUE(again);
        EXPECT_EQ(again->Message(), step.message);
        EXPECT_EQ(control->CountCalls("IOleObject::DoVerb(INPLACEACTIVATE"), 2);

        // Once the control can be activated, the next request succeeds.
        Script().ClearAnswers();
        host->SetFocus();
        Pump();
        EXPECT_FALSE(host->ActivationFailed());
        EXPECT_TRUE(host->CanFocus());
        EXPECT_EQ(host->WindowHandle(), control->Window());
        EXPECT_EQ(GetFocus(), control->Window());
        FreeHost();
        form->Hide();
        app.reports.clear();
        EXPECT_FALSE(control->Alive());
    }
}

TEST_F(HostTest, AControlThatKeepsTheEventSinkAfterTeardownReleasesALiveSink) {
    Script().Answer("IConnectionPoint::Unadvise", E_FAIL);
    auto control = ShowNewHost();
    ASSERT_EQ(control->EventSinks().size(), 1u);
    // The wrapper lets the control go last; the control then releases the sink it kept.
    FreeHost();
    EXPECT_FALSE(control->Alive());
    EXPECT_EQ(control->CountCalls("IConnectionPoint::Unadvise"), 2);
}

TEST_F(HostTest, PropertyAccessRaisesTheControlsExceptionOrTheCode) {
    CreateHost();
    scripted::ExcepInfoScript info;
    info.scode = static_cast<HRESULT>(0x80041234);
    info.description = L"Adresse du serveur invalide.\r\n ";
    info.source = L"MsTscAx";
    info.helpFile = L"mstsc.hlp";
    info.helpContext = 42;
    Script().FailWithExcepInfo("IDispatch::Invoke(1, PUT", info, 1);
    ExpectOleException(Raised<EOleException>([&] { host->SetServer(L"127.0.0.2"); }).get(),
                       {"Adresse du serveur invalide", info.scode, "MsTscAx", "mstsc.hlp", 42});

    // Filled in only when asked, and without a description: the message comes from scode.
    info.deferred = true;
    info.description = L" .";
    info.scode = E_ACCESSDENIED;
    Script().FailWithExcepInfo("IDispatch::Invoke(6, GET", info, 1);
    ExpectOleException(Raised<EOleException>([&] { host->Connected(); }).get(),
                       {OleErrorMessage(E_ACCESSDENIED), E_ACCESSDENIED, "MsTscAx", "mstsc.hlp", 42});

    for (const HRESULT code : {DISP_E_TYPEMISMATCH, S_FALSE}) {
        Script().Answer("IDispatch::Invoke(3, PUT", code, 1);
        ExpectSysError(Raised<EOleSysError>([&] { host->SetUserName(L"jdupont"); }).get(), code);
    }
}

TEST_F(HostTest, CallsThroughTheDefaultInterfaceRaiseFromTheThreadsErrorObject) {
    CreateHost();
    scripted::ErrorInfoScript info{L"Connexion refus\u00e9e.\r\n", L"MsTscAx.MsTscAx", L"mstsc.chm", 7};
    Script().FailWithErrorInfo("IMsTscAx::Connect", E_FAIL, info, 1);
    ExpectOleException(Raised<EOleException>([&] { host->Connect(); }).get(),
                       {WideToAnsi(L"Connexion refus\u00e9e"), E_FAIL, "MsTscAx.MsTscAx", "mstsc.chm", 7});

    const struct {
        const char* call;
        std::function<void()> run;
    } calls[] = {
        {"IMsRdpClient::get_AdvancedSettings2", [&] { host->AdvancedSettings2(); }},
        {"IMsRdpClient6::get_AdvancedSettings7", [&] { host->AdvancedSettings7(); }},
        {"IMsTscAx::Connect", [&] { host->Connect(); }},
        {"IMsRdpClient::RequestClose", [&] { host->RequestClose(); }},
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(call.call);
        SetErrorInfo(0, nullptr);
        Script().Answer(call.call, kCodeWithoutText, 1);
        ExpectOleException(Raised<EOleException>(call.run).get(),
                           {"OLE error 8ABCDEF0", kCodeWithoutText, "", "", 0});
    }

    // Only negative codes are failures.
    Script().Answer("IMsTscAx::Connect", S_FALSE, 1);
    EXPECT_NO_THROW(host->Connect());
    Script().CloseStatus = 1;
    EXPECT_EQ(host->RequestClose(), controlCloseWaitForEvents);
}

TEST_F(HostTest, AControlWithoutTheDefaultInterfaceRaisesInterfaceNotSupported) {
    Script().Withhold(__uuidof(IMsRdpClient6));
    CreateHost();
    for (const auto& run :
         std::vector<std::function<void()>>{[&] { host->ClientInterface(); }, [&] { host->Connect(); },
                                            [&] { host->AdvancedSettings2(); }}) {
        const auto e = Raised<EIntfCastError>(run);
        ASSERT_TRUE(e);
        EXPECT_STREQ(e->ClassName(), "EIntfCastError");
        EXPECT_EQ(e->Message(), "Interface not supported");
    }
    EXPECT_TRUE(host->Running()) << "the control was started to be asked";
}

TEST_F(HostTest, ASettingsGetterThatAnswersWithoutAnObjectRaisesInsteadOfHandingOutNull) {
    CreateHost();
    Script().Answer("IMsRdpClient::get_AdvancedSettings2", S_OK, 1);
    EXPECT_TRUE(Raised<EIntfCastError>([&] { host->AdvancedSettings2(); }));
    EXPECT_TRUE(host->AdvancedSettings2());
}
