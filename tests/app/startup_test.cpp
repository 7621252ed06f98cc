// Start-up: the window's place, frame, owner and taskbar entry, first focus, show commands.
#include <gtest/gtest.h>

#include "app/main.h"
#include "controls/cx_button.h"
#include "controls/cx_image.h"
#include "controls/cx_label.h"
#include "base/win/gdi.h"
#include "framework/edit.h"
#include "framework/panel.h"
#include "framework/screen.h"
#include "picture/png_object.h"
#include "session/msrdp_client.h"
#include "session/msrdp_client_data.h"
#include "tests/app/scripted_host.h"
#include "tests/app/program_runner.h"
#include "tests/app/sign_in_form.h"
#include "tests/support/ui/ui_driver.h"

namespace {

TRect WindowRectOf(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return {r.left, r.top, r.right, r.bottom};
}

// The window's caption, in the ANSI code page.
constexpr char kCaption[] = "Enseignement Sp\xE9"
                            "cialis\xE9 Vorlane";

bool HasMenuCommand(HMENU menu, UINT cmd) {
    return GetMenuState(menu, cmd, MF_BYCOMMAND) != UINT(-1);
}

// The caption at the moment the window is first made visible.
std::string g_captionWhenShown;
HHOOK g_hook = nullptr;

LRESULT CALLBACK WatchShow(int code, WPARAM wParam, LPARAM lParam) {
    const auto* cwp = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && cwp->message == WM_SHOWWINDOW && cwp->wParam && g_captionWhenShown.empty()) {
        char cls[64];
        GetClassNameA(cwp->hwnd, cls, sizeof cls);
        if (std::string(cls) == "TFrmConnexionORLIX")
            g_captionWhenShown = WindowText(cwp->hwnd);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

} // namespace

TEST(Startup, ShowsTheWindowCentredWithTheFocusInTheUserCodeField) {
    g_captionWhenShown.clear();
    g_hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchShow, nullptr, GetCurrentThreadId());
    const RunResult run = RunProgramWith([](TApplication& app, TFrmConnexionORLIX& form) {
        const HWND h = form.Handle();
        EXPECT_TRUE(IsWindowVisible(h));
        const TRect outer = WindowRectOf(h);
        EXPECT_EQ(outer.left, (Screen().Width() - outer.Width()) / 2);
        EXPECT_EQ(outer.top, (Screen().Height() - outer.Height()) / 2);
        RECT client;
        GetClientRect(h, &client);
        EXPECT_EQ(client.right, 599);
        EXPECT_EQ(client.bottom, 372);
        EXPECT_EQ(WindowText(h), kCaption);
        EXPECT_EQ(GetFocus(), form.Edit1->Handle());
        EXPECT_EQ(form.ActiveControl(), form.Edit1);

        // Dialog frame with a close box only; no taskbar entry of its own.
        const LONG_PTR style = GetWindowLongPtrA(h, GWL_STYLE);
        const LONG_PTR exStyle = GetWindowLongPtrA(h, GWL_EXSTYLE);
        EXPECT_TRUE(style & WS_SYSMENU);
        EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
        EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
        EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
        const HMENU menu = GetSystemMenu(h, FALSE);
        EXPECT_TRUE(HasMenuCommand(menu, SC_CLOSE));
        for (const UINT cmd : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
            EXPECT_FALSE(HasMenuCommand(menu, cmd)) << cmd;

        // The zero-size owner window carries the taskbar entry under the program's title.
        EXPECT_EQ(GetWindow(h, GW_OWNER), app.Handle());
        EXPECT_TRUE(IsWindowVisible(app.Handle()));
        EXPECT_EQ(WindowText(app.Handle()), app.Title());
        EXPECT_EQ(app.Title(), "app_tests");
        const TRect ownerRect = WindowRectOf(app.Handle());
        EXPECT_EQ(ownerRect.Width(), 0);
        EXPECT_EQ(ownerRect.left, Screen().Width() / 2);
        const HMENU ownerMenu = GetSystemMenu(app.Handle(), FALSE);
        for (const UINT cmd : {SC_SIZE, SC_MAXIMIZE, SC_MOVE})
            EXPECT_FALSE(HasMenuCommand(ownerMenu, cmd)) << cmd;
        EXPECT_TRUE(app.Icon() != nullptr);

        PressKey(VK_ESCAPE);
    });
    UnhookWindowsHookEx(g_hook);
    EXPECT_EQ(run, kEndedCleanly);
    EXPECT_EQ(g_captionWhenShown, kCaption);
}

TEST(Startup, PlacesEveryControlInStackingOrder) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        struct Expected {
            TWinControl* control;
            TRect bounds;
        };
        const Expected expected[] = {
            {form.msrdp, BoundsRect(0, 0, 385, 217)},       {form.Panel1, BoundsRect(0, 0, 599, 372)},
            {form.cxImage1, BoundsRect(0, -33, 640, 481)},  {form.edit2, BoundsRect(294, 251, 235, 18)},
            {form.Edit1, BoundsRect(294, 198, 235, 18)},    {form.btnLogin, BoundsRect(311, 301, 96, 29)},
            {form.btnCancel, BoundsRect(418, 301, 96, 29)}, {form.lblProgress, BoundsRect(320, 353, 283, 17)},
            {form.cxLabel1, BoundsRect(4, 353, 42, 17)},
        };
        for (const Expected& e : expected) {
            EXPECT_EQ(BoundsInParent(e.control->Handle()), e.bounds) << e.control->Name();
            EXPECT_EQ(e.control->BoundsRect(), e.bounds) << e.control->Name();
        }
        // Top of the stacking order first: a later child lies above an earlier one.
        EXPECT_EQ(GetWindow(form.Handle(), GW_CHILD), form.Panel1->Handle());
        EXPECT_EQ(GetWindow(form.Panel1->Handle(), GW_HWNDNEXT), form.msrdp->Handle());
        std::vector<HWND> panelChildren;
        for (HWND c = GetWindow(form.Panel1->Handle(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            panelChildren.push_back(c);
        const std::vector<HWND> expectedOrder = {form.cxLabel1->Handle(),  form.lblProgress->Handle(),
                                                 form.btnCancel->Handle(), form.btnLogin->Handle(),
                                                 form.Edit1->Handle(),     form.edit2->Handle(),
                                                 form.cxImage1->Handle()};
        EXPECT_EQ(panelChildren, expectedOrder);

        EXPECT_FALSE(GetWindowLongPtrA(form.Edit1->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        EXPECT_TRUE(GetWindowLongPtrA(form.edit2->Handle(), GWL_STYLE) & ES_PASSWORD);
        EXPECT_EQ(SendMessageA(form.edit2->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
        EXPECT_EQ(form.Edit1->Font().Name(), "Tahoma");
        EXPECT_EQ(form.Edit1->Font().Height(), -12);
        EXPECT_EQ(form.btnLogin->Font().Style(), unsigned(fsBold));
        EXPECT_EQ(form.Panel1->Color(), clBlack);
        // The control started with the 20 stored bytes, and the host let go of its copy.
        const auto control = HostedControl().LastInstance();
        ASSERT_TRUE(control);
        EXPECT_EQ(control->LoadedState(),
                  std::vector<uint8_t>(kMsRdpClientStoredState,
                                       kMsRdpClientStoredState + kMsRdpClientStoredStateSize));
        EXPECT_FALSE(form.msrdp->HasStoredState());
        EXPECT_EQ(WindowText(form.btnLogin->Handle()), "Se connecter");
        EXPECT_EQ(WindowText(form.btnCancel->Handle()), "Annuler");
        EXPECT_EQ(form.cxLabel1->Text(), "V0.8 Beta");
        EXPECT_EQ(form.lblProgress->Text(), "");
        EXPECT_EQ(form.lblProgress->AnchorX(), 603);
    });
}

TEST(Startup, TheBackgroundPictureLiesSixRowsAboveThePanel) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        const auto* png = dynamic_cast<const TPNGObject*>(form.cxImage1->Picture().Graphic());
        ASSERT_NE(png, nullptr);
        EXPECT_EQ(png->Width(), 640);
        EXPECT_EQ(png->Height(), 427);
        EXPECT_EQ(form.cxImage1->PictureRect(), (TRect{0, 27, 640, 454}));
        UpdateWindow(form.Handle());
        RedrawWindow(form.Panel1->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        WindowDC dc(form.Panel1->Handle());
        const auto shown = [&](int x, int y) { return GetPixel(dc.Get(), x, y); };
        const auto stored = [&](int x, int y) {
            const TRGBQuad q = png->Image().Pixel(uint32_t(x), uint32_t(y));
            return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
        };
        // Window pixel (x, y) shows picture pixel (x, y + 6), exactly as stored.
        for (const auto& [x, y] : {std::pair{2, 0}, {100, 100}, {598, 371}, {560, 37}, {250, 130}})
            EXPECT_EQ(shown(x, y), stored(x, y + 6)) << x << "," << y;
        EXPECT_EQ(shown(300, 186), RGB(255, 255, 255)) << "inside the first white entry bar";
        EXPECT_EQ(shown(0, 100), RGB(0, 0, 0)) << "the panel shows through the box's outer ring";
    });
}

namespace {

// The window's normal (restored) rectangle in screen coordinates: the placement gives it relative
// to the work area.
TRect NormalRectOf(HWND h) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(h, &placement);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(h, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& r = placement.rcNormalPosition;
    const int dx = monitor.rcWork.left - monitor.rcMonitor.left;
    const int dy = monitor.rcWork.top - monitor.rcMonitor.top;
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// What the platform shows the moment the sign-in window first becomes visible.
struct Appearance {
    bool seen = false;
    bool zoomed = false;
    TRect window;
    TRect normal;
};
Appearance g_firstAppearance;

LRESULT CALLBACK WatchAppearance(int code, WPARAM wParam, LPARAM lParam) {
    const auto* cwp = reinterpret_cast<CWPSTRUCT*>(lParam);
    char cls[64] = "";
    if (code == HC_ACTION && cwp->message == WM_WINDOWPOSCHANGED && !g_firstAppearance.seen &&
        (reinterpret_cast<const WINDOWPOS*>(cwp->lParam)->flags & SWP_SHOWWINDOW) &&
        GetClassNameA(cwp->hwnd, cls, sizeof cls) && std::string(cls) == "TFrmConnexionORLIX")
        g_firstAppearance = {true, IsZoomed(cwp->hwnd) != 0, WindowRectOf(cwp->hwnd),
                             NormalRectOf(cwp->hwnd)};
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

} // namespace

// The platform shows the window maximized from its first appearance, at the size it has while
// the sign-in panel refuses every change of size, and keeps the centred place as the one to
// restore to.
TEST(Startup, MaximizedShowCommandShowsTheWindowZoomedKeepingItsSizeAndCentredPlace) {
    g_firstAppearance = {};
    g_hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchAppearance, nullptr, GetCurrentThreadId());
    TRect centred;
    const RunResult run = RunProgramWith(
        [&](TApplication&, TFrmConnexionORLIX& form) {
            const TRect outer = WindowRectOf(form.Handle());
            centred = BoundsRect((Screen().Width() - outer.Width()) / 2,
                                 (Screen().Height() - outer.Height()) / 2, outer.Width(), outer.Height());
            EXPECT_TRUE(IsZoomed(form.Handle()));
            EXPECT_EQ(NormalRectOf(form.Handle()), centred);
            RECT client;
            GetClientRect(form.Handle(), &client);
            EXPECT_EQ(client.right, 599);
            EXPECT_EQ(client.bottom, 372);
            form.Close();
        },
        nullptr, SW_SHOWMAXIMIZED);
    UnhookWindowsHookEx(g_hook);
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_TRUE(g_firstAppearance.seen);
    EXPECT_TRUE(g_firstAppearance.zoomed) << "maximized the moment it appears";
    EXPECT_EQ(g_firstAppearance.normal, centred);
    EXPECT_EQ(g_firstAppearance.window.Width(), centred.Width());
    EXPECT_EQ(g_firstAppearance.window.Height(), centred.Height());
}

namespace {

// Times the sign-in window was sized as restored while the test watched.
int g_restoredSizes = 0;
HWND g_watched = nullptr;

LRESULT CALLBACK WatchRestores(int code, WPARAM wParam, LPARAM lParam) {
    const auto* cwp = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && cwp->hwnd == g_watched && cwp->message == WM_SIZE &&
        cwp->wParam == SIZE_RESTORED)
        ++g_restoredSizes;
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

// Maximized over the work area, the remote desktop filling the client area.
void ExpectSessionFillsTheScreen(TFrmConnexionORLIX& form, const char* when) {
    const HWND h = form.Handle();
    EXPECT_TRUE(IsZoomed(h)) << when;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(h, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT window, covered;
    GetWindowRect(h, &window);
    EXPECT_TRUE(IntersectRect(&covered, &window, &monitor.rcWork) && EqualRect(&covered, &monitor.rcWork))
        << when;
    RECT client;
    GetClientRect(h, &client);
    EXPECT_EQ(BoundsInParent(form.msrdp->Handle()), TRect({0, 0, client.right, client.bottom})) << when;
}

} // namespace

// However the control reports the session (inside Connect, or later from the timer of a
// message-only window of its own), a window started maximized ends filling the work area and
// stays so once the queue has settled and after a repaint. It never passes through the restored
// state on the way: a restore followed by a maximize leaves the outcome to the order in which the
// platform carries the two out.
TEST(Startup, AWindowStartedMaximizedFillsTheScreenOnceTheSessionOpens) {
    for (const wchar_t* user : {L"immediat", L"differe"}) {
        HostedControl().Script().SimulateAccounts = true;
        g_restoredSizes = 0;
        g_hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchRestores, nullptr, GetCurrentThreadId());
        const RunResult run = RunProgramWith(
            [&](TApplication&, TFrmConnexionORLIX& form) {
                Fill(form, user, L"secret");
                g_watched = form.Handle();
                ClickLogin(form);
                const DWORD start = GetTickCount();
                while (form.Panel1->Visible() && GetTickCount() - start < 3000)
                    PumpFor(20);
                EXPECT_FALSE(form.Panel1->Visible()) << "the session opened";
                PumpFor(1500);
                ExpectSessionFillsTheScreen(form, "once the queue has settled");
                RedrawWindow(form.Handle(), nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
                PumpFor(300);
                ExpectSessionFillsTheScreen(form, "after a repaint");
                g_watched = nullptr;
                form.Close();
            },
            nullptr, SW_SHOWMAXIMIZED);
        UnhookWindowsHookEx(g_hook);
        HostedControl().Script().SimulateAccounts = false;
        EXPECT_EQ(run, kEndedCleanly);
        EXPECT_EQ(g_restoredSizes, 0) << "restored on the way to the session";
    }
}

TEST(Startup, MinimizedShowCommandShowsTheWindowOnlyWhenRestored) {
    const RunResult run = RunProgramWith(
        [](TApplication& app, TFrmConnexionORLIX& form) {
            EXPECT_FALSE(IsWindowVisible(form.Handle()));
            EXPECT_TRUE(IsIconic(app.Handle()));
            SendMessageA(app.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
            Pump();
            EXPECT_TRUE(IsWindowVisible(form.Handle()));
            EXPECT_FALSE(IsIconic(app.Handle()));
            EXPECT_EQ(form.WindowState(), wsNormal);
            EXPECT_EQ(WindowText(form.Handle()), kCaption);
            form.Close();
        },
        nullptr, SW_SHOWMINNOACTIVE);
    EXPECT_EQ(run.exitCode, 0);
}

TEST(ApplicationTitle, ComesFromTheProgramFileName) {
    EXPECT_EQ(ApplicationTitleFromPath("C:\\Prog\\ConnexionORLIX.exe"), "Connexionorlix");
    EXPECT_EQ(ApplicationTitleFromPath("C:\\Prog\\ConnexionORLIX.test.v2.exe"), "Connexionorlix");
    EXPECT_EQ(ApplicationTitleFromPath("C:\\Prog\\cOnNeXiOn.EXE"), "connexion");
    // OEM 0x82 is "é" in code page 437; after the conversion it is lowered as ANSI text.
    EXPECT_EQ(ApplicationTitleFromPath("C:\\Prog\\\x90"
                                       "COLE\x82.exe"),
              "\xC9"
              "cole\xE9");
    EXPECT_EQ(ApplicationTitleFromPath("C:\\Prog\\Programme \x8A"
                                       "T\x90.exe"),
              "Programme \xE8t\xE9");
}
