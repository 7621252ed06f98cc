// The development accounts of the stand-in control as the host's event sink receives them: the
// outcome chosen by the user code, its timing, the value Connected reads inside each event, and
// the buttons of the simulated desktop.

#include "tests/session/host_fixture.h"

#include "session/rdp_ids.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace {

struct ButtonSearch {
    const wchar_t* part;
    HWND found;
};

BOOL CALLBACK MatchButton(HWND child, LPARAM p) {
    auto& s = *reinterpret_cast<ButtonSearch*>(p);
    wchar_t className[16] = L"", caption[64] = L"";
    GetClassNameW(child, className, 16);
    GetWindowTextW(child, caption, 64);
    if (lstrcmpiW(className, L"Button") == 0 && wcsstr(caption, s.part))
        s.found = child;
    return !s.found;
}

// The child button of `parent` whose caption contains `part`.
HWND FindButton(HWND parent, const wchar_t* part) {
    ButtonSearch search{part, nullptr};
    EnumChildWindows(parent, MatchButton, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct AccountCase {
    const char* name;
    const wchar_t* userCode;
    bool simulate;
    // The caption part of the button clicked once connected; null for none.
    const wchar_t* button;
    // Earliest arrival of the first event after Connect, in milliseconds.
    DWORD earliestMs;
    // The first event arrives inside the call to Connect.
    bool duringConnect;
    std::vector<std::string> expected;
};

void PrintTo(const AccountCase& c, std::ostream* os) {
    *os << c.name;
}

class DemoAccountTest : public HostTest, public testing::WithParamInterface<AccountCase> {
  protected:
    void Note(const std::string& event) {
        seen.push_back(event + " (Connected " + std::to_string(host->Connected()) + ")");
    }

    std::vector<std::string> seen;
};

} // namespace

TEST_P(DemoAccountTest, TheUserCodeChoosesTheSimulatedOutcome) {
    const AccountCase& c = GetParam();
    Script().SimulateAccounts = c.simulate;
    ShowNewHost();
    host->OnConnected = [this](TComponent*) { Note("OnConnected"); };
    host->OnDisconnected = [this](TComponent*, int32_t reason) {
        Note("OnDisconnected " + std::to_string(reason));
    };
    host->OnAuthenticationWarningDisplayed = [this](TComponent*) {
        Note("OnAuthenticationWarningDisplayed");
        // As a modal warning box does: a nested message loop until the user dismisses it.
        PumpFor(1200);
        seen.push_back("dismissed");
    };
    host->SetUserName(c.userCode);
    const DWORD start = GetTickCount();
    host->Connect();
    EXPECT_EQ(!seen.empty(), c.duringConnect);

    if (c.expected.empty()) {
        PumpFor(1500);
        EXPECT_TRUE(Control()->Connecting());
    } else {
        ASSERT_TRUE(PumpUntil([&] { return !seen.empty(); }, 3500)) << "no event";
        EXPECT_GE(GetTickCount() - start, c.earliestMs);
    }
    HWND window = Control()->Window();
    if (c.button) {
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(host->RequestClose(), controlCloseCanProceed);
        // The simulated desktop follows the window's size, its buttons in the bottom band.
        host->SetBounds(0, 0, 900, 600);
        RECT client, placed;
        GetClientRect(window, &client);
        HWND button = FindButton(window, c.button);
        ASSERT_NE(button, nullptr);
        GetWindowRect(button, &placed);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(client.right, 900);
        EXPECT_LE(placed.right, client.right);
        EXPECT_LE(placed.bottom, client.bottom);
        EXPECT_GT(placed.top, client.bottom - 40);
        SendMessageW(button, BM_CLICK, 0, 0);
        SendMessageW(button, BM_CLICK, 0, 0); // a second click ends nothing more
    }
    if (!c.expected.empty())
        PumpUntil([&] { return seen.size() >= c.expected.size(); }, 3500);
    PumpFor(100);
    EXPECT_THAT(seen, testing::ElementsAreArray(c.expected));
    EXPECT_EQ(FindButton(window, L"raison"), nullptr);
    // Each event went through the control's record.
    int fired = 0;
    for (const auto& entry : Control()->Trace())
        fired += entry.rfind("-> IMsTscAxEvents::Invoke(", 0) == 0;
    EXPECT_EQ(size_t(fired),
              c.expected.size() - std::count(c.expected.begin(), c.expected.end(), "dismissed"));
}

// clang-format off
const AccountCase kAccounts[] = {
    {"DemoInCapitals", L"DEMO", true, L"raison 2", 800, false,
     {"OnConnected (Connected 1)", "OnDisconnected 2 (Connected 0)"}},
    {"AnyOtherCode", L"jdupont", true, L"raison 3", 800, false,
     {"OnConnected (Connected 1)", "OnDisconnected 3 (Connected 0)"}},
    {"ConnectedInsideConnect", L"Immediat", true, L"raison 2", 0, true,
     {"OnConnected (Connected 1)", "OnDisconnected 2 (Connected 0)"}},
    {"ConnectedFromAMessageOnlyWindow", L"differe", true, L"raison 3", 500, false,
     {"OnConnected (Connected 1)", "OnDisconnected 3 (Connected 0)"}},
    {"Refused", L"Refus", true, nullptr, 800, false,
     {"OnAuthenticationWarningDisplayed (Connected 0)", "dismissed", "OnDisconnected 2055 (Connected 0)"}},
    {"Unreachable", L"injoignable", true, nullptr, 1500, false,
     {"OnDisconnected 516 (Connected 0)"}},
    {"SimulationOff", L"demo", false, nullptr, 0, false, {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Accounts, DemoAccountTest, testing::ValuesIn(kAccounts),
                         [](const testing::TestParamInfo<AccountCase>& info) {
                             return std::string(info.param.name);
                         });
