// The application's exception handler and its error box.
#include <gtest/gtest.h>

#include "controls/cx_button.h"
#include "framework/edit.h"
#include "tests/app/program_runner.h"
#include "tests/support/ui/ui_driver.h"

TEST(ErrorBox, ShowsTheMessageWithItsPunctuationOverDisabledWindows) {
    RunAndClose([](TApplication& app, TFrmConnexionORLIX& form) {
        struct Case {
            const char* message;
            const char* shown;
        };
        const Case cases[] = {
            {"Interface not supported", "Interface not supported."},
            {"Already ends.", "Already ends."},
            {"Stop!", "Stop!"},
            {"ends with a blank ", "ends with a blank "},
            {"Code 3", "Code 3."},
            {"r\xE9seau indisponible", "r\xE9seau indisponible."},
        };
        for (const Case& c : cases) {
            RecordedBoxes().clear();
            app.HandleException(form.Edit1, std::make_exception_ptr(Exception(c.message)));
            ASSERT_EQ(RecordedBoxes().size(), 1u) << c.message;
            const RecordedBox& box = RecordedBoxes()[0];
            EXPECT_EQ(box.text, c.shown);
            EXPECT_EQ(box.caption, app.Title());
            EXPECT_EQ(box.type, UINT(MB_OK | MB_ICONSTOP));
            EXPECT_EQ(box.owner, app.Handle());
            EXPECT_NE(std::find(box.disabledWindows.begin(), box.disabledWindows.end(), form.Handle()),
                      box.disabledWindows.end());
        }
        EXPECT_TRUE(IsWindowEnabled(form.Handle()));
        EXPECT_TRUE(IsWindowEnabled(app.Handle()));
        EXPECT_EQ(GetFocus(), form.Edit1->Handle()) << "the focus comes back";

        RecordedBoxes().clear();
        app.HandleException(&form, std::make_exception_ptr(EAbort("silent")));
        EXPECT_TRUE(RecordedBoxes().empty()) << "an abort shows nothing";
        app.HandleException(&form, std::make_exception_ptr(std::bad_alloc()));
        ASSERT_EQ(RecordedBoxes().size(), 1u);
        EXPECT_EQ(RecordedBoxes()[0].text, "Out of memory.");
    });
}

TEST(ErrorBox, CancelsTheMouseCaptureFirst) {
    RunAndClose([](TApplication& app, TFrmConnexionORLIX& form) {
        SetCapture(form.Edit1->Handle());
        ASSERT_EQ(GetCapture(), form.Edit1->Handle());
        app.HandleException(&form, std::make_exception_ptr(Exception("x")));
        EXPECT_EQ(GetCapture(), nullptr);
    });
}

TEST(ErrorBox, AnExceptionInFormShowIsReportedAndTheWindowStillShows) {
    bool visible = false;
    const RunResult run = RunProgramWith(
        [&](TApplication&, TFrmConnexionORLIX& form) {
            visible = IsWindowVisible(form.Handle());
            form.Close();
        },
        [](TApplication&, TFrmConnexionORLIX& form) {
            form.OnShow = [](TComponent*) { throw Exception("Show failed"); };
        });
    EXPECT_TRUE(visible);
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    EXPECT_EQ(RecordedBoxes()[0].text, "Show failed.");
}

TEST(ErrorBox, AnExceptionEscapingAWindowHandlerReachesTheHandlerAndTheLoopGoesOn) {
    int clicks = 0;
    const RunResult run = RunAndClose([&](TApplication&, TFrmConnexionORLIX& form) {
        form.btnLogin->OnClick = [&](TComponent*) {
            ++clicks;
            throw Exception("Connexion impossible");
        };
        PressKey(VK_RETURN);
        PressKey(VK_RETURN);
        EXPECT_EQ(clicks, 2);
        ASSERT_EQ(RecordedBoxes().size(), 2u);
        EXPECT_EQ(RecordedBoxes()[1].text, "Connexion impossible.");
    });
    EXPECT_EQ(run.exitCode, 0);
}
