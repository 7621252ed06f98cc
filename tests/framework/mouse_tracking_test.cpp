// Mouse-leave tracking: the 10 ms trackers and what ends them.
#include <gtest/gtest.h>

#include "framework/form.h"
#include "framework/mouse_tracking.h"
#include "framework/panel.h"
#include "tests/framework/test_form.h"

namespace {

// A panel that counts the notifications and, like the styled controls, stops its tracking
// when told the pointer left.
class TTrackedPanel : public TPanel, public IcxMouseTrackingCaller {
  public:
    using TPanel::TPanel;
    ~TTrackedPanel() override { StopMouseLeaveTracking(*this); }
    const char* ClassName() const override { return "TTrackedPanel"; }
    void NotifyMouseLeft() override {
        ++notified;
        StopMouseLeaveTracking(*this);
    }
    int notified = 0;
    int leaveMessages = 0;

  protected:
    void MouseLeave() override {
        ++leaveMessages;
        StopMouseLeaveTracking(*this);
    }
};

void PumpFor(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(2);
    } while (GetTickCount() < end);
}

struct Fixture {
    TPlainForm form{nullptr};
    TTrackedPanel* panel;
    Fixture() {
        form.SetBounds(100, 100, 300, 200);
        panel = Place<TTrackedPanel>(form, &form, 10, 10, 100, 50);
        form.Show();
    }
    POINT Screen(int x, int y) {
        POINT p{x, y};
        ClientToScreen(panel->Handle(), &p);
        return p;
    }
    void MoveCursor(int x, int y) {
        const POINT p = Screen(x, y);
        SetCursorPos(p.x, p.y);
    }
};

} // namespace

TEST(MouseTracking, NotifiesOnceThePointerLeavesTheBoundsSavedAtTheStart) {
    Fixture f;
    f.MoveCursor(50, 25);
    StopMouseLeaveTracking(*f.panel);
    StartMouseLeaveTracking(*f.panel, f.panel->ClientRect(), *f.panel);
    StartMouseLeaveTracking(*f.panel, f.panel->ClientRect(), *f.panel);
    EXPECT_EQ(MouseTrackingTimerList().Count(), 1u) << "a caller is tracked once";
    PumpFor(150);
    EXPECT_EQ(f.panel->notified, 0) << "the pointer is still inside";

    // Moving the control does not move the bounds, which were converted at the start: the
    // pointer now lies outside the saved bounds but inside the window, so the caller hears
    // of it without the framework's mouse-leave notification.
    const POINT inside = f.Screen(50, 25);
    f.panel->SetLeft(f.panel->Left() + 200);
    SetCursorPos(inside.x + 200, inside.y);
    PumpFor(150);
    EXPECT_EQ(f.panel->notified, 1);
    EXPECT_EQ(f.panel->leaveMessages, 0);
    EXPECT_EQ(MouseTrackingTimerList().Count(), 0u);
}

TEST(MouseTracking, LeavingTheWindowOrADisabledWindowSendsTheMouseLeaveNotification) {
    struct Case {
        const char* what;
        bool moveOut;
        bool disableForm;
    };
    for (const Case c : {Case{"pointer moved out", true, false}, Case{"form disabled", false, true}}) {
        Fixture f;
        f.MoveCursor(50, 25);
        StartMouseLeaveTracking(*f.panel, f.panel->ClientRect(), *f.panel);
        if (c.moveOut)
            f.MoveCursor(150, 25);
        if (c.disableForm)
            EnableWindow(f.form.Handle(), FALSE);
        PumpFor(150);
        EXPECT_EQ(f.panel->leaveMessages, 1) << c.what;
        EXPECT_EQ(f.panel->notified, 1)
            << c.what << ": stopped by the notification, the tick still ends well";
        EXPECT_EQ(MouseTrackingTimerList().Count(), 0u) << c.what;
    }
}

namespace {

// A panel with a hot look, as the styled controls have one.
class THotPanel : public TPanel, public THotTracking {
  public:
    explicit THotPanel(TComponent* owner) : TPanel(owner), THotTracking(static_cast<TWinControl&>(*this)) {}
    using THotTracking::EnterHot;
    using THotTracking::LeaveHot;
    using THotTracking::ResetHot;
    int left = 0;

  private:
    void HotLeft() override {
        ++left;
        LeaveHot();
    }
};

} // namespace

TEST(HotTracking, TracksThePointerWhileHotAndLeavesNoTrackerBehind) {
    TPlainForm form(nullptr);
    form.SetBounds(100, 100, 300, 200);
    auto* panel = Place<THotPanel>(form, &form, 10, 10, 100, 50);
    form.Show();
    POINT inside{50, 25};
    ClientToScreen(panel->Handle(), &inside);
    SetCursorPos(inside.x, inside.y);
    auto& list = MouseTrackingTimerList();
    const size_t before = list.Count();

    EXPECT_TRUE(panel->EnterHot());
    EXPECT_FALSE(panel->EnterHot()) << "already hot";
    EXPECT_TRUE(panel->Hot());
    EXPECT_TRUE(list.IsTracking(*panel));
    EXPECT_EQ(list.Count(), before + 1);
    EXPECT_TRUE(panel->LeaveHot());
    EXPECT_FALSE(panel->LeaveHot()) << "no longer hot";
    EXPECT_FALSE(list.IsTracking(*panel));

    panel->ResetHot(false);
    EXPECT_FALSE(list.IsTracking(*panel)) << "not hot: nothing to track";
    panel->ResetHot(true);
    EXPECT_TRUE(panel->Hot());
    EXPECT_TRUE(list.IsTracking(*panel));
    PumpFor(60);
    EXPECT_EQ(panel->left, 0) << "the pointer is still inside";
    SetCursorPos(inside.x + 200, inside.y + 200);
    PumpFor(60);
    EXPECT_EQ(panel->left, 1);
    EXPECT_FALSE(panel->Hot());

    panel->EnterHot();
    delete panel;
    EXPECT_EQ(list.Count(), before) << "a control that ends stops its tracking";
}
