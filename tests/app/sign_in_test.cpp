// The sign-in through the real window with the scripted control: the refusals, the settings the
// control receives, the three session events, closing a live session, and failures on the way.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/message_form.h"
#include "app/server_settings.h"
#include "app/sign_in_texts.h"
#include "base/win/ansi.h"
#include "controls/cx_button.h"
#include "controls/cx_label.h"
#include "framework/edit.h"
#include "framework/panel.h"
#include "framework/screen.h"
#include "session/msrdp_client.h"
#include "session/rdp_ids.h"
#include "tests/app/program_runner.h"
#include "tests/app/scripted_host.h"
#include "tests/app/sign_in_form.h"
#include "tests/support/ui/ui_driver.h"
#include "tests/support/ui/warning_boxes.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// Leaves the shared script as every test expects to find it.
struct ScriptReset {
    ~ScriptReset() {
        HostedControl().Script().ClearAnswers();
        HostedControl().Script().Observer = nullptr;
        HostedControl().Script().SetReadResult(RdpDispId::Connected, Variant::Short(0));
    }
};

// What the window shows of the sign-in: which buttons are enabled, and the progress line.
struct SignInLook {
    bool login = true;
    bool cancel = true;
    std::string progress;

    friend bool operator==(const SignInLook& a, const SignInLook& b) {
        return a.login == b.login && a.cancel == b.cancel && a.progress == b.progress;
    }
    friend void PrintTo(const SignInLook& l, std::ostream* os) {
        *os << "login " << l.login << ", cancel " << l.cancel << ", progress \"" << l.progress << '"';
    }
};
const SignInLook kWaitingLook{true, true, ""};
// Written out, not taken from the program's own constant: a changed text must show here.
const SignInLook kConnectingLook{false, false, "Connexion au serveur en cours ..."};

SignInLook LookOf(const TFrmConnexionORLIX& form) {
    return {form.btnLogin->Enabled(), form.btnCancel->Enabled(), form.lblProgress->Text()};
}

// The calls that configure and start the session, in the order they came.
std::vector<std::string> SessionCalls(const scripted::ScriptedInstance& control) {
    std::vector<std::string> calls;
    for (const std::string& c : control.Calls())
        if (c.find("::put_") != std::string::npos || c.find(", PUT, ") != std::string::npos ||
            c == "IMsTscAx::Connect()")
            calls.push_back(c);
    return calls;
}

std::string Utf8(const std::wstring& w) {
    std::string s(
        size_t(WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), s.data(), int(s.size()), nullptr, nullptr);
    return s;
}

} // namespace

TEST(SignIn, AnEmptyFieldIsRefusedWithItsMessageAndTheFocusGoesToIt) {
    struct Case {
        const wchar_t* user;
        const wchar_t* password;
        const char* message;
        bool focusOnUserCode;
    };
    const Case cases[] = {
        {L"", L"", kUserCodeRequired, true},
        {L" \t ", L"secret", kUserCodeRequired, true},
        {L"jdupont", L"", kPasswordRequired, false},
        {L"jdupont", L"  \t ", kPasswordRequired, false},
    };
    for (const Case& c : cases) {
        WarningBoxWatcher boxes;
        std::shared_ptr<scripted::ScriptedInstance> control;
        HWND focus = nullptr;
        RunAndClose([&](TApplication&, TFrmConnexionORLIX& form) {
            control = HostedControl().LastInstance();
            control->ClearRecord();
            Fill(form, c.user, c.password);
            form.btnLogin->SetFocus();
            ClickLogin(form);
            Pump();
            focus = GetFocus();
            EXPECT_EQ(focus, c.focusOnUserCode ? form.Edit1->Handle() : form.edit2->Handle()) << c.message;
            EXPECT_EQ(LookOf(form), kWaitingLook);
        });
        ASSERT_EQ(boxes.Boxes().size(), 1u) << c.message;
        EXPECT_EQ(boxes.Boxes()[0].caption, "Avertissement");
        EXPECT_EQ(boxes.Boxes()[0].message, SignInText(c.message));
        EXPECT_THAT(SessionCalls(*control), IsEmpty()) << "nothing reaches the control";
    }
}

TEST(SignIn, TheSettingsReachTheControlInOrderAsTypedThenItConnects) {
    ScriptReset reset;
    // Characters outside the ANSI code page must arrive as typed: Ł, Ő and a CJK ideograph.
    const std::wstring user = L"  j.\u0141\u0150pont\u4E2D \t";
    const std::wstring password = L" mot de \u0141asse\u4E2D ";
    struct AtConnect {
        TRect bounds;
        bool focused = false;
        SignInLook look;
    } atConnect;
    std::shared_ptr<scripted::ScriptedInstance> control;
    RunAndClose([&](TApplication&, TFrmConnexionORLIX& form) {
        control = HostedControl().LastInstance();
        control->ClearRecord();
        HostedControl().Script().Observer = [&](const std::string& call) {
            if (call != "IMsTscAx::Connect()")
                return;
            atConnect.bounds = form.msrdp->BoundsRect();
            atConnect.focused = GetFocus() == form.msrdp->Handle();
            atConnect.look = LookOf(form);
        };
        Fill(form, user, password);
        ClickLogin(form);
        Pump();
        EXPECT_TRUE(form.Panel1->Visible()) << "nothing changes until the control reports";
    });
    ASSERT_TRUE(control);
    EXPECT_THAT(
        SessionCalls(*control),
        ElementsAre("IDispatch::Invoke(1, PUT, [BSTR \"" + Utf8(kServerAddress) + "\"], named [-3])",
                    "IMsRdpClientAdvancedSettings::put_RDPPort(" + std::to_string(kServerPort) + ")",
                    "IDispatch::Invoke(3, PUT, [BSTR \"j.\xC5\x81\xC5\x90pont\xE4\xB8\xAD\"], named [-3])",
                    "IMsRdpClientAdvancedSettings::put_ClearTextPassword(\" mot de \xC5\x81"
                    "asse\xE4\xB8\xAD \")",
                    "IMsRdpClientAdvancedSettings::put_DisableCtrlAltDel(1)",
                    "IMsRdpClientAdvancedSettings::put_MaximizeShell(0)",
                    "IMsRdpClientAdvancedSettings::put_GrabFocusOnConnect(-1)",
                    "IMsRdpClientAdvancedSettings6::put_EnableCredSspSupport(-1)",
                    "IMsRdpClientAdvancedSettings::put_PerformanceFlags(4)",
                    "IMsRdpClientAdvancedSettings::put_SmartSizing(-1)", "IMsTscAx::Connect()"));
    EXPECT_EQ(TextOf(control->Property(RdpDispId::UserName)), L"j.\u0141\u0150pont\u4E2D");
    EXPECT_EQ(TextOf(control->Setting("ClearTextPassword")), password);
    EXPECT_EQ(atConnect.bounds, BoundsRect(0, 0, Screen().Width(), Screen().Height()));
    EXPECT_TRUE(atConnect.focused);
    EXPECT_EQ(atConnect.look, kConnectingLook);
}

namespace {

// Runs the program, signs in, and hands the window over while the control is connecting.
RunResult WhileConnecting(const std::function<void(TFrmConnexionORLIX&, scripted::ScriptedInstance&)>& step) {
    return RunProgramWith([&](TApplication&, TFrmConnexionORLIX& form) {
        Fill(form, L"jdupont", L"secret");
        ClickLogin(form);
        Pump();
        auto control = HostedControl().LastInstance();
        ASSERT_TRUE(control->Connecting());
        step(form, *control);
    });
}

} // namespace

TEST(SignIn, ADisconnectionEndsTheProgramAfterAReportUnlessTheReasonIsOneOrTwo) {
    struct Case {
        int32_t reason;
        bool reported;
    };
    for (const Case c :
         {Case{1, false}, Case{2, false}, Case{3, true}, Case{516, true}, Case{-2147483647, true}}) {
        SignInLook behindTheBox{false, false, "unset"};
        WarningBoxWatcher boxes([&](TMessageForm& box) {
            behindTheBox = LookOf(*FrmConnexionORLIX);
            WarningBoxWatcher::PressOk(box);
        });
        const RunResult run = WhileConnecting([&](TFrmConnexionORLIX&, scripted::ScriptedInstance& control) {
            control.Fire(RdpEvent::OnDisconnected, Variant::Long(c.reason));
            Pump();
        });
        EXPECT_EQ(run, kEndedCleanly) << c.reason;
        if (!c.reported) {
            EXPECT_THAT(boxes.Boxes(), IsEmpty()) << c.reason;
            continue;
        }
        ASSERT_EQ(boxes.Boxes().size(), 1u) << c.reason;
        EXPECT_EQ(boxes.Boxes()[0].message,
                  SignInText("Votre session a été déconnectée du serveur.\r\n\r\nCode Système : ") +
                      std::to_string(c.reason) +
                      SignInText("\r\n\r\nEn cas de problème récurrent veuillez contacter votre responsable "
                                 "informatique"));
        EXPECT_EQ(behindTheBox, kWaitingLook) << c.reason;
    }
    EXPECT_NE(DisconnectedText(-5).find("Code Syst\xE8me : -5\r\n"), std::string::npos);
}

TEST(SignIn, ConnectedShowsTheRemoteDesktopFillingTheMaximizedWindowAndClosingAsksTheControl) {
    ScriptReset reset;
    std::shared_ptr<scripted::ScriptedInstance> control;
    const RunResult run = WhileConnecting([&](TFrmConnexionORLIX& form, scripted::ScriptedInstance& c) {
        control = HostedControl().LastInstance();
        c.Fire(RdpEvent::OnConnected);
        Pump();
        EXPECT_FALSE(IsWindowVisible(form.Panel1->Handle()));
        EXPECT_TRUE(IsZoomed(form.Handle()));
        EXPECT_TRUE(IsWindowVisible(c.Window()));
        RECT client;
        GetClientRect(form.Handle(), &client);
        EXPECT_EQ(BoundsInParent(c.Window()), TRect({0, 0, client.right, client.bottom}))
            << "the whole remote desktop is in sight";
        const LONG_PTR style = GetWindowLongPtrA(form.Handle(), GWL_STYLE);
        EXPECT_EQ(style & (WS_HSCROLL | WS_VSCROLL), 0);
        // The control follows the client area when it changes.
        form.SetWindowState(wsNormal);
        Pump();
        GetClientRect(form.Handle(), &client);
        EXPECT_EQ(form.msrdp->BoundsRect(), TRect({0, 0, client.right, client.bottom}));

        HostedControl().Script().SetReadResult(RdpDispId::Connected, Variant::Short(1));
        c.ClearRecord();
        PostMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        Pump();
    });
    EXPECT_EQ(run, kEndedCleanly);
    ASSERT_TRUE(control);
    EXPECT_EQ(control->CountCalls("IMsRdpClient::RequestClose"), 1);
}

TEST(SignIn, AClosingWindowOnlyAsksAConnectedControlToClose) {
    ScriptReset reset;
    for (const short connected : {0, 2}) {
        HostedControl().Script().SetReadResult(RdpDispId::Connected, Variant::Short(connected));
        const RunResult run =
            WhileConnecting([](TFrmConnexionORLIX& form, scripted::ScriptedInstance&) { form.Close(); });
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(HostedControl().LastInstance()->CountCalls("IMsRdpClient::RequestClose"), 0) << connected;
    }
}

TEST(SignIn, RefusedCredentialsWarnAndTheWindowKeepsConnecting) {
    WarningBoxWatcher boxes;
    const RunResult run = WhileConnecting([](TFrmConnexionORLIX& form, scripted::ScriptedInstance& control) {
        control.Fire(RdpEvent::OnAuthenticationWarningDisplayed);
        Pump();
        EXPECT_EQ(LookOf(form), kConnectingLook);
        EXPECT_TRUE(form.Panel1->Visible());
        form.Close();
    });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(boxes.Messages(), ElementsAre("Code ou mot de passe incorrect.\r\n"
                                              "Veuillez contacter l'\xE9"
                                              "cole si vous avez oubli\xE9 vos codes.\r\n\r\n"
                                              "Appuyez sur OK pour effectuer un nouvel essai."));
}

TEST(SignIn, ADisconnectionInsideTheRefusalBoxShowsItsOwnBoxAboveAndBothClose) {
    std::vector<HWND> seen;
    int closedFirst = -1;
    WarningBoxWatcher boxes([&](TMessageForm& box) {
        seen.push_back(box.Handle());
        if (seen.size() == 1) {
            // The first box waits; the control ends the session under it.
            HostedControl().LastInstance()->Fire(RdpEvent::OnDisconnected, Variant::Long(2055));
            closedFirst = box.ModalResult();
            return;
        }
        WarningBoxWatcher::PressOk(box);
    });
    const RunResult run = WhileConnecting([](TFrmConnexionORLIX&, scripted::ScriptedInstance& control) {
        control.Fire(RdpEvent::OnAuthenticationWarningDisplayed);
    });
    EXPECT_EQ(run, kEndedCleanly);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].message, SignInText(kCredentialsRefused));
    EXPECT_EQ(boxes.Boxes()[1].message, DisconnectedText(2055));
    EXPECT_THAT(boxes.Boxes()[1].disabledWindows, testing::Contains(boxes.Boxes()[0].hwnd))
        << "the second box lies above the first";
    EXPECT_EQ(closedFirst, mrNone) << "the first box still showed when the second closed";
}

TEST(SignIn, AFailingSettingLeavesTheConnectingLookWithTheErrorAndNoConnection) {
    ScriptReset reset;
    HostedControl().Script().FailWithErrorInfo("IMsRdpClientAdvancedSettings::put_MaximizeShell", E_FAIL,
                                               {L"Shell refused", L"scripted", L"", 0});
    std::shared_ptr<scripted::ScriptedInstance> control;
    RunAndClose([&](TApplication&, TFrmConnexionORLIX& form) {
        control = HostedControl().LastInstance();
        Fill(form, L"jdupont", L"secret");
        ClickLogin(form);
        Pump();
        EXPECT_EQ(LookOf(form), kConnectingLook);
    });
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    EXPECT_EQ(RecordedBoxes()[0].text, "Shell refused.");
    EXPECT_EQ(RecordedBoxes()[0].type, UINT(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(control->CountCalls("IMsTscAx::Connect"), 0);
    EXPECT_EQ(control->CountCalls("IMsRdpClientAdvancedSettings::put_DisableCtrlAltDel(1)"), 1)
        << "what was written stays";
}

TEST(SignIn, AWindowClosedWhileTheSignInProcessesMessagesSendsNoCredentials) {
    std::shared_ptr<scripted::ScriptedInstance> control;
    const RunResult run = RunProgramWith([&](TApplication&, TFrmConnexionORLIX& form) {
        control = HostedControl().LastInstance();
        Fill(form, L"jdupont", L"secret");
        // The close command waits in the queue; the sign-in's own pass over the queue takes it.
        PostMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        ClickLogin(form);
    });
    EXPECT_EQ(run, kEndedCleanly);
    EXPECT_EQ(control->CountCalls("IMsTscAx::Connect"), 0);
}

TEST(SignIn, AFailingSessionStepStillClosesTheWindowAfterTheError) {
    ScriptReset reset;
    const struct {
        const char* failing;
        std::function<void()> fail;
    } cases[] = {
        {"reading Connected",
         [] {
             HostedControl().Script().FailWithExcepInfo(
                 "IDispatch::Invoke(6, GET", {E_FAIL, 0, L"Session busy", L"scripted", L"", 0, false});
         }},
        {"RequestClose",
         [] {
             HostedControl().Script().FailWithErrorInfo("IMsRdpClient::RequestClose", E_FAIL,
                                                        {L"Session busy", L"scripted", L"", 0});
         }},
    };
    for (const auto& c : cases) {
        HostedControl().Script().SetReadResult(RdpDispId::Connected, Variant::Short(1));
        c.fail();
        const RunResult run = RunProgramWith([](TApplication&, TFrmConnexionORLIX& form) { form.Close(); });
        HostedControl().Script().ClearAnswers();
        EXPECT_EQ(run, kEndedCleanly) << c.failing << ": the user is not trapped";
        ASSERT_EQ(RecordedBoxes().size(), 1u) << c.failing;
        EXPECT_EQ(RecordedBoxes()[0].text, "Session busy.");
    }
}

TEST(SignIn, AControlThatFailsWhenTheWindowFirstShowsLeavesAVisibleWindowToClose) {
    for (const char* failing : {"IOleObject::DoVerb", "IPersistStreamInit::Load"}) {
        HostedControl().Script().Answer(failing, E_FAIL);
        bool visible = false;
        const RunResult run = RunProgramWith([&](TApplication&, TFrmConnexionORLIX& form) {
            Pump();
            visible = IsWindowVisible(form.Handle()) && IsWindowVisible(form.Edit1->Handle());
            PressKey(VK_F4, kAlt);
        });
        HostedControl().Script().ClearAnswers();
        EXPECT_TRUE(visible) << failing;
        EXPECT_EQ(run, kEndedCleanly) << failing;
        EXPECT_EQ(RecordedBoxes().size(), 1u) << failing << ": the failure is reported";
    }
}

namespace {

// The places in the process's heaps, in blocks in use or free, that hold `text` as UTF-16.
int CountInHeaps(std::wstring_view text) {
    HANDLE heaps[64];
    const DWORD n = GetProcessHeaps(64, heaps);
    const size_t bytes = text.size() * sizeof(wchar_t);
    int found = 0;
    for (DWORD i = 0; i < n && i < 64; ++i) {
        if (!HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry)) {
            if (entry.wFlags & (PROCESS_HEAP_REGION | PROCESS_HEAP_UNCOMMITTED_RANGE))
                continue;
            const auto* p = static_cast<const char*>(entry.lpData);
            for (size_t at = 0; at + bytes <= entry.cbData; at += sizeof(wchar_t))
                if (memcmp(p + at, text.data(), bytes) == 0)
                    ++found;
        }
        HeapUnlock(heaps[i]);
    }
    return found;
}

} // namespace

TEST(SignIn, OurCopiesOfThePasswordAreWipedOnceTheControlHasIt) {
    ScriptReset reset;
    const std::wstring password = L"Tr\u00E8s-long mot de passe \u0141 pour chercher 0123456789 abcdef";
    // Freed blocks begin with the heap's own bookkeeping: look for the password's tail.
    const std::wstring_view tail = std::wstring_view(password).substr(password.size() - 32);
    int typed = -1;
    int atConnect = -1;
    RunAndClose([&](TApplication&, TFrmConnexionORLIX& form) {
        Fill(form, L"jdupont", password);
        typed = CountInHeaps(tail);
        HostedControl().Script().Observer = [&](const std::string& call) {
            if (call == "IMsTscAx::Connect()")
                atConnect = CountInHeaps(tail);
        };
        ClickLogin(form);
    });
    EXPECT_GE(typed, 1) << "the field holds it";
    EXPECT_EQ(atConnect, typed + 1) << "only the field's and the control's own copy are left";
}
