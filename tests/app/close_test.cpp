// Every way of closing ends the program once with exit code 0; a failing close leaves it open.
#include <gtest/gtest.h>

#include "controls/cx_button.h"
#include "framework/description/description.h"
#include "tests/app/program_runner.h"
#include "tests/support/ui/ui_driver.h"

namespace {

// Counts the close requests that reach FormClose.
ProgramStep CountCloses(int& closes) {
    return [&closes](TApplication&, TFrmConnexionORLIX& form) {
        TCloseEvent original = form.OnClose;
        form.OnClose = [&closes, original](TComponent* sender, TCloseAction& action) {
            ++closes;
            original(sender, action);
        };
    };
}

} // namespace

TEST(Close, EveryCloseCommandEndsTheProgramWithExitCodeZero) {
    struct Case {
        const char* name;
        void (*close)(TFrmConnexionORLIX&);
    };
    const Case cases[] = {
        {"Annuler clicked",
         [](TFrmConnexionORLIX& f) { SendMessageA(f.btnCancel->Handle(), BM_CLICK, 0, 0); }},
        {"Escape", [](TFrmConnexionORLIX&) { PressKey(VK_ESCAPE); }},
        {"close box", [](TFrmConnexionORLIX& f) { PostMessageA(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4", [](TFrmConnexionORLIX&) { PressKey(VK_F4, kAlt); }},
    };
    for (const Case& c : cases) {
        int closes = 0;
        bool visibleAfterClose = false;
        const RunResult run = RunProgramWith(
            [&](TApplication&, TFrmConnexionORLIX& form) {
                c.close(form);
                Pump();
                visibleAfterClose = IsWindowVisible(form.Handle());
            },
            CountCloses(closes));
        EXPECT_EQ(run, kEndedCleanly) << c.name;
        EXPECT_EQ(closes, 1) << c.name;
        EXPECT_TRUE(visibleAfterClose)
            << c.name << ": the window stays until the loop takes the quit message";
        EXPECT_TRUE(RecordedBoxes().empty()) << c.name;
    }
}

TEST(Close, ASecondRequestBeforeTheLoopEndsStillEndsTheProgramOnce) {
    int closes = 0;
    const RunResult run = RunProgramWith(
        [](TApplication&, TFrmConnexionORLIX& form) {
            form.Close();
            form.Close();
        },
        CountCloses(closes));
    EXPECT_EQ(run, kEndedCleanly);
    EXPECT_EQ(closes, 2);
}

TEST(Close, AnExceptionInsideTheRequestLeavesTheWindowOpen) {
    bool failClose = true;
    bool openAfterFailure = false;
    const RunResult run = RunProgramWith(
        [&](TApplication& app, TFrmConnexionORLIX& form) {
            PressKey(VK_ESCAPE);
            openAfterFailure = IsWindowVisible(form.Handle()) && !app.Terminated();
            ASSERT_EQ(RecordedBoxes().size(), 1u);
            EXPECT_EQ(RecordedBoxes()[0].text, "Session still open.");
            failClose = false;
            PressKey(VK_ESCAPE);
        },
        [&](TApplication&, TFrmConnexionORLIX& form) {
            TCloseEvent original = form.OnClose;
            form.OnClose = [&failClose, original](TComponent* sender, TCloseAction& action) {
                if (failClose)
                    throw Exception("Session still open");
                original(sender, action);
            };
        });
    EXPECT_TRUE(openAfterFailure);
    EXPECT_EQ(run, kEndedCleanly);
}

TEST(StartupFailure, TwoVisualStyleMarkersStopStartUpWithExitCodeOne) {
    DescObject description = LoadBuiltInDescription();
    description.children.push_back({"WinXP2", "TWinXP", {}, {}, 0});
    bool ran = false;
    const RunResult run = RunProgramWith([&](TApplication&, TFrmConnexionORLIX&) { ran = true; }, nullptr,
                                         SW_SHOWNORMAL, &description);
    EXPECT_FALSE(ran);
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    const RecordedBox& box = RecordedBoxes()[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.caption, "Application Error");
    EXPECT_EQ(box.type, UINT(0x2010));
    const std::string prefix = "Exception Exception in module app_tests.exe at ";
    EXPECT_EQ(box.text.substr(0, prefix.size()), prefix);
    const std::string suffix = ".\r\nOnly one instance of TWinXP allowed on form.\r\n";
    ASSERT_GT(box.text.size(), prefix.size() + suffix.size());
    EXPECT_EQ(box.text.substr(box.text.size() - suffix.size()), suffix);
    const std::string address =
        box.text.substr(prefix.size(), box.text.size() - prefix.size() - suffix.size());
    EXPECT_EQ(address.size(), 2 * sizeof(void*));
    EXPECT_EQ(address.find_first_not_of("0123456789ABCDEF"), std::string::npos) << address;
}

TEST(StartupFailure, AnUnknownControlClassStopsStartUp) {
    DescObject description = LoadBuiltInDescription();
    description.children[1].children.push_back({"Grid1", "TcxGrid", {}, {}, 0});
    const RunResult run =
        RunProgramWith([](TApplication&, TFrmConnexionORLIX&) {}, nullptr, SW_SHOWNORMAL, &description);
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    EXPECT_NE(RecordedBoxes()[0].text.find("Exception EClassNotFound in module"), std::string::npos);
    EXPECT_NE(RecordedBoxes()[0].text.find("Class TcxGrid not found."), std::string::npos);
}
