// The remote desktop control in the sign-in window: hosted under the panel, wired to the
// window's handlers, reached by Tab, released at shutdown, and required at start-up.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "controls/cx_button.h"
#include "framework/edit.h"
#include "framework/panel.h"
#include "session/msrdp_client.h"
#include "session/ole_errors.h"
#include "tests/app/program_runner.h"
#include "tests/app/scripted_host.h"
#include "tests/support/ui/ui_driver.h"

TEST(SessionHost, TheControlIsActiveInPlaceUnderThePanelWithTheWindowsHandlers) {
    std::shared_ptr<scripted::ScriptedInstance> control;
    const RunResult run = RunAndClose([&](TApplication&, TFrmConnexionORLIX& form) {
        control = HostedControl().LastInstance();
        ASSERT_TRUE(control);
        EXPECT_TRUE(form.msrdp->InPlaceActive());
        EXPECT_EQ(form.msrdp->Handle(), control->Window());
        EXPECT_EQ(GetParent(control->Window()), form.Handle());
        EXPECT_EQ(GetWindow(form.Panel1->Handle(), GW_HWNDNEXT), control->Window()) << "under the panel";
        EXPECT_TRUE(IsWindowVisible(control->Window()));
        EXPECT_EQ(form.ActiveOleControl(), nullptr) << "the focus is in the user-code field";
        EXPECT_TRUE(form.msrdp->OnConnected);
        EXPECT_TRUE(form.msrdp->OnDisconnected);
        EXPECT_TRUE(form.msrdp->OnAuthenticationWarningDisplayed);
        EXPECT_FALSE(form.msrdp->OnConnecting);
    });
    EXPECT_EQ(run.exitCode, 0);
    // Shutdown closed the control without saving and released it completely.
    ASSERT_TRUE(control);
    EXPECT_FALSE(control->Alive());
    EXPECT_EQ(control->RefCount(), 0);
    EXPECT_EQ(control->CountCalls("IOleObject::Close(NOSAVE)"), 1);
    EXPECT_EQ(control->Calls().back(), "IOleObject::SetClientSite(null)");
}

TEST(SessionHost, TabFromTheCancelButtonUIActivatesTheControlAndTheNextTabLeavesIt) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        auto control = HostedControl().LastInstance();
        form.btnCancel->SetFocus();
        Pump();
        PressKey(VK_TAB);
        EXPECT_EQ(GetFocus(), control->Window());
        EXPECT_TRUE(control->UIActive());
        EXPECT_EQ(form.ActiveOleControl(), form.msrdp);
        // The control is offered the key first; it does not want Tab, so the window moves on.
        PressKey(VK_TAB);
        EXPECT_THAT(control->Calls(), testing::Contains(testing::StartsWith(
                                          "IOleInPlaceActiveObject::TranslateAccelerator(hwnd")));
        EXPECT_EQ(GetFocus(), form.Edit1->Handle());
        EXPECT_FALSE(control->UIActive());
        EXPECT_EQ(form.ActiveOleControl(), nullptr);
    });
}

TEST(SessionHost, AControlThatTakesTabKeepsTheFocus) {
    HostedControl().Script().Answer("IOleInPlaceActiveObject::TranslateAccelerator(hwnd", S_OK);
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        form.msrdp->SetFocus();
        Pump();
        PressKey(VK_TAB);
        EXPECT_EQ(GetFocus(), form.msrdp->Handle());
    });
    HostedControl().Script().ClearAnswers();
}

TEST(SessionHost, AControlThatCannotBeCreatedStopsStartUp) {
    HostedControl().Script().Withhold(IID_IOleObject);
    const RunResult run = RunProgramWith([](TApplication&, TFrmConnexionORLIX&) {});
    HostedControl().Script().Offer(IID_IOleObject);
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    const RecordedBox& box = RecordedBoxes()[0];
    EXPECT_EQ(box.caption, "Application Error");
    EXPECT_EQ(box.text.rfind("Exception EOleSysError in module app_tests.exe at ", 0), 0u) << box.text;
    EXPECT_NE(box.text.find("\r\n" + OleErrorMessage(E_NOINTERFACE)), std::string::npos) << box.text;
}
