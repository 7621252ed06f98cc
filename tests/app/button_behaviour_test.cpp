// The flat buttons of the sign-in window under synthesized mouse and keyboard input: hot
// tracking, presses and drags, double-clicks, Space, disabling, modal boxes, and the tracker
// list at shutdown.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>

#include "controls/cx_button.h"
#include "framework/edit.h"
#include "framework/panel.h"
#include "framework/mouse_tracking.h"
#include "tests/app/program_runner.h"
#include "tests/app/sign_in_form.h"
#include "tests/support/ui/ui_driver.h"
#include "tests/support/threads/test_thread.h"

namespace {

POINT ScreenPoint(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    return p;
}

// A window of another thread under a screen point, for as long as the object lives.
class ForeignWindow {
  public:
    explicit ForeignWindow(POINT at) {
        thread_.emplace([this, at] {
            threadId_ = GetCurrentThreadId();
            hwnd_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE,
                                    at.x - 20, at.y - 20, 40, 40, nullptr, nullptr, nullptr, nullptr);
            ready_ = true;
            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0)
                DispatchMessageA(&msg);
            DestroyWindow(hwnd_);
        });
        while (!ready_)
            Sleep(1);
    }
    ~ForeignWindow() {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        thread_->join();
    }

  private:
    std::optional<TestThread> thread_;
    HWND hwnd_ = nullptr;
    std::atomic<bool> ready_{false};
    std::atomic<DWORD> threadId_{0};
};

} // namespace

TEST(FlatButtonInput, HotWhileThePointerIsOverItUntilItLeavesWhereverItGoes) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        const HWND login = form.btnLogin->Handle();
        struct Case {
            const char* where;
            std::function<void()> leave;
        };
        const Case cases[] = {
            {"to the other button", [&] { MoveMouse(form.btnCancel->Handle(), 10, 10); }},
            {"to a window of another thread",
             [&] {
                 ForeignWindow other(ScreenPoint(login, 48, 60));
                 JumpCursor(ScreenPoint(login, 48, 60));
             }},
            {"by a modal box disabling the window",
             [&] {
                 EnableWindow(form.Handle(), FALSE);
                 JumpCursor(ScreenPoint(login, 48, 14));
                 EXPECT_FALSE(form.btnLogin->Hot()) << "even with the pointer still over it";
                 EnableWindow(form.Handle(), TRUE);
             }},
        };
        for (const Case& c : cases) {
            MoveMouse(login, 48, 14);
            EXPECT_TRUE(form.btnLogin->Hot()) << c.where;
            EXPECT_EQ(form.btnLogin->State(), cxbsHot) << c.where;
            EXPECT_TRUE(MouseTrackingTimerList().IsTracking(*form.btnLogin)) << c.where;
            c.leave();
            JumpCursor(ScreenPoint(form.Handle(), 5, 5));
            EXPECT_FALSE(form.btnLogin->Hot()) << c.where;
            EXPECT_FALSE(MouseTrackingTimerList().IsTracking(*form.btnLogin)) << c.where;
            EXPECT_EQ(form.btnLogin->State(), cxbsNormal) << c.where;
            MoveMouse(form.Edit1->Handle(), 5, 5);
        }
    });
}

TEST(FlatButtonInput, DraggingOutLeavesThePressAndDraggingBackResumesIt) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        ClickCounter clicks(form);
        const HWND login = form.btnLogin->Handle();
        for (const bool releaseInside : {false, true}) {
            PressMouse(login, 48, 14);
            EXPECT_TRUE(form.btnLogin->Focused()) << "a press focuses the button first";
            EXPECT_EQ(form.btnLogin->State(), cxbsPressed);
            MoveMouse(login, 200, 14, MK_LBUTTON);
            EXPECT_EQ(form.btnLogin->State(), cxbsNormal) << "dragged out: neither pressed nor hot";
            MoveMouse(login, 40, 10, MK_LBUTTON);
            EXPECT_EQ(form.btnLogin->State(), cxbsPressed) << "dragged back";
            if (!releaseInside)
                MoveMouse(login, 200, 14, MK_LBUTTON);
            ReleaseMouse(login, releaseInside ? 40 : 200, releaseInside ? 10 : 14);
            EXPECT_EQ(clicks.login, releaseInside ? 1 : 0) << "released inside: " << releaseInside;
        }
        form.Edit1->SetFocus();
        Pump();
        PressMouse(login, 48, 14);
        ReleaseMouse(login, 48, 14);
        DoubleClickMouse(login, 48, 14);
        ReleaseMouse(login, 48, 14);
        EXPECT_EQ(clicks.login, 3) << "a double-click gives two clicks";
        MoveMouse(form.Edit1->Handle(), 5, 5);
    });
}

TEST(FlatButtonInput, SpaceShowsThePressWhileHeldAndClicksOnRelease) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        ClickCounter clicks(form);
        form.btnLogin->SetFocus();
        Pump();
        const HWND login = form.btnLogin->Handle();
        PostMessageA(login, WM_KEYDOWN, VK_SPACE, 0x00390001);
        Pump();
        EXPECT_EQ(form.btnLogin->State(), cxbsPressed);
        EXPECT_EQ(clicks.login, 0);
        PostMessageA(login, WM_KEYUP, VK_SPACE, 0xC0390001);
        Pump();
        EXPECT_EQ(form.btnLogin->State(), cxbsNormal);
        EXPECT_EQ(clicks.login, 1);
    });
}

TEST(FlatButtonInput, AHotLookGainedAtTheEndOfAPressLeavesWithThePointer) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        ClickCounter clicks(form);
        const HWND login = form.btnLogin->Handle();
        form.btnLogin->SetFocus();
        MoveMouse(login, 48, 14);
        // A modal box ends the hot look and its tracker while the pointer rests on the button.
        EnableWindow(form.Handle(), FALSE);
        JumpCursor(ScreenPoint(login, 48, 14));
        EnableWindow(form.Handle(), TRUE);
        ASSERT_FALSE(form.btnLogin->Hot());
        PostMessageA(login, WM_KEYDOWN, VK_SPACE, 0x00390001);
        PostMessageA(login, WM_KEYUP, VK_SPACE, 0xC0390001);
        Pump();
        EXPECT_EQ(clicks.login, 1);
        EXPECT_TRUE(form.btnLogin->Hot()) << "the end of the press finds the pointer on the button";
        JumpCursor(ScreenPoint(form.Edit1->Handle(), 5, 5));
        EXPECT_FALSE(form.btnLogin->Hot()) << "and the look goes when the pointer does";
    });
}

TEST(FlatButtonInput, DisablingAHotOrPressedButtonShowsTheDisabledLookAndClicksNothing) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        ClickCounter clicks(form);
        const HWND login = form.btnLogin->Handle();
        MoveMouse(login, 48, 14);
        ASSERT_TRUE(form.btnLogin->Hot());
        form.btnLogin->SetEnabled(false);
        EXPECT_FALSE(form.btnLogin->Hot());
        EXPECT_EQ(form.btnLogin->State(), cxbsDisabled);
        EXPECT_TRUE(MouseTrackingTimerList().IsTracking(*form.btnLogin))
            << "the tracker ends on its next tick";
        JumpCursor(ScreenPoint(login, 48, 14));
        EXPECT_FALSE(MouseTrackingTimerList().IsTracking(*form.btnLogin));
        form.btnLogin->SetEnabled(true);

        PressMouse(login, 48, 14);
        ASSERT_EQ(form.btnLogin->State(), cxbsPressed);
        form.btnLogin->SetEnabled(false);
        Pump();
        EXPECT_EQ(form.btnLogin->State(), cxbsDisabled) << "Disabled wins over Pressed";
        EXPECT_NE(GetCapture(), login) << "disabling cancels the press";
        form.btnLogin->SetEnabled(true);
        ReleaseMouse(login, 48, 14);
        EXPECT_EQ(clicks.login, 0);
        MoveMouse(form.Edit1->Handle(), 5, 5);
    });
}

TEST(FlatButtonInput, TheTrackerListMustBeEmptyAtShutdown) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        MoveMouse(form.btnCancel->Handle(), 20, 10);
        ASSERT_TRUE(form.btnCancel->Hot());
    });
    for (const RecordedBox& box : RecordedBoxes())
        EXPECT_EQ(box.text.find("MouseTrackingTimerList"), std::string::npos)
            << "a hot button stops its tracker";

    struct Forgotten : IcxMouseTrackingCaller {
        void NotifyMouseLeft() override {}
    } forgotten;
    RunAndClose([&](TApplication&, TFrmConnexionORLIX& form) {
        StartMouseLeaveTracking(*form.Panel1, {0, 0, 0, 0}, forgotten);
    });
    ASSERT_FALSE(RecordedBoxes().empty());
    EXPECT_EQ(RecordedBoxes().back().text, "MouseTrackingTimerList.Count <> 0");
    StopMouseLeaveTracking(forgotten);
}
