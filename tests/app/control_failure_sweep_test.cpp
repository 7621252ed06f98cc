// Every call the program makes on the remote desktop control, failing in turn, over one walk
// from start to end: the window shows, the user signs in, the control warns about the
// credentials and connects, and the user closes the live session with Alt+F4. First the k-th
// call of the walk fails once, for every k; then each method the walk calls fails every time.
// Whatever fails, the program neither crashes nor hangs, shows at most one error box per user
// action, ends with the exit code of a close (0), or of a failed start (1) after the start-up
// failure box, leaves no window behind and releases the control completely. The error boxes are the
// platform's, answered with Enter.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "framework/panel.h"
#include "session/rdp_ids.h"
#include "tests/app/program_runner.h"
#include "tests/app/scripted_host.h"
#include "tests/app/sign_in_form.h"
#include "tests/support/ui/ui_driver.h"
#include "tests/support/ui/warning_boxes.h"

namespace {

// What a walk saw. The user's actions: starting, signing in, the session's events (not the
// user's, but each may bring a box), closing.
enum Action { kStart, kSignIn, kEvents, kClose, kActions };
constexpr const char* kActionNames[kActions] = {"start", "sign-in", "session events", "close"};

struct Walk {
    RunResult run{-1, false};
    bool shown = false;
    bool connected = false; // the window went into the session
    int errorBoxes[kActions] = {};
    std::vector<std::string> boxTexts;
    int windowsLeft = 0;
    // Instances of the control the walk created, and those still alive or referenced after it.
    int instances = 0;
    int unreleased = 0;
    std::vector<std::string> calls; // the last instance's calls and queries
    int callsCounted = 0;
    std::optional<std::string> failedCall;
};

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int CountThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

bool IsErrorBox(const RecordedBox& box) {
    return (box.type & MB_ICONMASK) == MB_ICONSTOP;
}

Walk WalkThrough() {
    Walk walk;
    const int windowsBefore = CountThreadWindows();
    const int instancesBefore = HostedControl().InstancesCreated();
    size_t seen = 0;
    const auto boxesOf = [&](Action action) {
        for (; seen < RecordedBoxes().size(); ++seen) {
            walk.boxTexts.push_back(RecordedBoxes()[seen].text);
            if (IsErrorBox(RecordedBoxes()[seen]))
                ++walk.errorBoxes[action];
        }
    };
    {
        const WarningBoxWatcher warnings;
        walk.run = RunProgramWith(
            [&](TApplication&, TFrmConnexionORLIX& form) {
                walk.shown = true;
                Pump();
                boxesOf(kStart);
                const auto control = HostedControl().LastInstance();
                Fill(form, L"jdupont", L"secret");
                ClickLogin(form);
                Pump();
                boxesOf(kSignIn);
                if (control->Connecting()) {
                    control->Fire(RdpEvent::OnAuthenticationWarningDisplayed);
                    control->Fire(RdpEvent::OnConnected);
                    HostedControl().Script().SetReadResult(RdpDispId::Connected, Variant::Short(1));
                    Pump();
                    walk.connected = !form.Panel1->Visible();
                }
                boxesOf(kEvents);
                PressKey(VK_F4, kAlt);
                Pump();
                boxesOf(kClose);
            },
            nullptr, SW_SHOWNORMAL, nullptr, AnswerMessageBox);
    }
    boxesOf(walk.shown ? kClose : kStart);
    walk.windowsLeft = CountThreadWindows() - windowsBefore;
    walk.instances = HostedControl().InstancesCreated() - instancesBefore;
    if (walk.instances > 0) {
        const auto control = HostedControl().LastInstance();
        walk.calls = control->CallsWithQueries();
        if (control->Alive() || control->RefCount() != 0 || control->LiveObjects() != 0)
            ++walk.unreleased;
    }
    walk.callsCounted = HostedControl().Script().CallsCounted();
    walk.failedCall = HostedControl().Script().FailedCall();
    HostedControl().Script().ClearAnswers();
    HostedControl().Script().FailCallNumber(0);
    HostedControl().Script().SetReadResult(RdpDispId::Connected, Variant::Short(0));
    return walk;
}

// What a walk did wrong, whatever failed.
std::vector<std::string> Faults(const Walk& walk) {
    std::vector<std::string> faults;
    const auto check = [&](bool ok, const std::string& fault) {
        if (!ok)
            faults.push_back(fault);
    };
    check(!walk.run.timedOut, "the program hangs");
    if (walk.shown) {
        check(walk.run.exitCode == 0, "exit code " + std::to_string(walk.run.exitCode) + " after a close");
    } else {
        check(walk.run.exitCode == 1,
              "exit code " + std::to_string(walk.run.exitCode) + " after a failed start");
        check(!walk.boxTexts.empty() && walk.boxTexts[0].rfind("Exception ", 0) == 0,
              "no start-up failure box");
    }
    for (int a = 0; a < kActions; ++a) {
        check(walk.errorBoxes[a] <= 1,
              std::to_string(walk.errorBoxes[a]) + " error boxes at " + kActionNames[a]);
    }
    check(walk.windowsLeft == 0, std::to_string(walk.windowsLeft) + " windows left behind");
    check(walk.instances == 1, std::to_string(walk.instances) + " instances of the control created");
    check(walk.unreleased == 0, "the control is not released");
    if (!faults.empty())
        for (const std::string& text : walk.boxTexts)
            faults.push_back("box: " + text);
    return faults;
}

// The calls of a walk as the script names them: received calls by their method, queries by the
// interface asked for (those for an interface the control has, other than IUnknown).
std::vector<std::string> Methods(const std::vector<std::string>& calls) {
    std::set<std::string> seen;
    std::vector<std::string> methods;
    for (const std::string& call : calls) {
        std::string method;
        if (call.rfind("IUnknown::QueryInterface(", 0) == 0) {
            if (call.find("(IUnknown)") != std::string::npos || call.find(" = S_OK") == std::string::npos)
                continue;
            method = call.substr(0, call.find(')') + 1);
        } else {
            method = call.substr(0, call.find('('));
        }
        if (seen.insert(method).second)
            methods.push_back(method);
    }
    return methods;
}

} // namespace

using testing::IsEmpty;

TEST(ControlFailureSweep, EachCallOfAWalkFailingOnceOrEachMethodFailingAlwaysIsSurvived) {
    const DWORD start = GetTickCount();
    HostedControl().Script().FailCallNumber(0);
    const Walk clean = WalkThrough();
    const int calls = clean.callsCounted;
    ASSERT_EQ(clean.run, kEndedCleanly);
    ASSERT_TRUE(clean.connected);
    ASSERT_EQ(clean.boxTexts, std::vector<std::string>{}) << "the warning box is the program's own";
    ASSERT_GT(calls, 0);

    int injected = 0;
    int survived = 0;
    int errorBoxRuns = 0;
    int failedStarts = 0;
    int silentRuns = 0;
    for (int k = 1; k <= calls; ++k) {
        std::printf("call %d of %d failing: ", k, calls);
        std::fflush(stdout);
        HostedControl().Script().FailCallNumber(k);
        const Walk walk = WalkThrough();
        const std::optional<std::string>& failed = walk.failedCall;
        const std::vector<std::string> faults = Faults(walk);
        std::printf("%s: %s\n", failed.value_or("(not reached)").c_str(),
                    faults.empty() ? "survived" : "FAULT");
        EXPECT_THAT(faults, IsEmpty()) << "call " << k << " of " << calls << ": " << failed.value_or("?");
        EXPECT_TRUE(failed.has_value()) << "call " << k << ": the walk made fewer calls than the clean one";
        if (!failed)
            continue;
        ++injected;
        survived += faults.empty();
        if (!walk.shown)
            ++failedStarts;
        else if (!walk.boxTexts.empty())
            ++errorBoxRuns;
        else
            ++silentRuns;
    }

    const std::vector<std::string> methods = Methods(clean.calls);
    int methodsSurvived = 0;
    for (const std::string& method : methods) {
        std::printf("%s failing every time: ", method.c_str());
        std::fflush(stdout);
        HostedControl().Script().Answer(method, E_FAIL);
        const std::vector<std::string> faults = Faults(WalkThrough());
        std::printf("%s\n", faults.empty() ? "survived" : "FAULT");
        EXPECT_THAT(faults, IsEmpty()) << method << " failing every time";
        methodsSurvived += faults.empty();
    }

    const double seconds = (GetTickCount() - start) / 1000.0;
    std::printf("control failure sweep: %d calls swept, %d failures injected, %d survived (%d with a box, "
                "%d failed starts, %d silent); %zu methods failing every time, %d survived; %.1f s\n",
                calls, injected, survived, errorBoxRuns, failedStarts, silentRuns, methods.size(),
                methodsSurvived, seconds);
}
