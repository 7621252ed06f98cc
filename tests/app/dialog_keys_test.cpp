// Tab order, arrow keys, Enter and Escape on the sign-in window.
#include <gtest/gtest.h>

#include "controls/cx_button.h"
#include "controls/cx_image.h"
#include "framework/edit.h"
#include "framework/panel.h"
#include "session/msrdp_client.h"
#include "tests/app/program_runner.h"
#include "tests/app/sign_in_form.h"
#include "tests/support/ui/ui_driver.h"

TEST(DialogKeys, TabCyclesThroughTheTabStopsAndShiftTabBack) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        const std::vector<TWinControl*> cycle = {form.Edit1,     form.edit2, form.btnLogin,
                                                 form.btnCancel, form.msrdp, form.Edit1};
        ASSERT_EQ(GetFocus(), form.Edit1->Handle());
        for (size_t i = 1; i < cycle.size(); ++i) {
            PressKey(VK_TAB);
            EXPECT_EQ(GetFocus(), cycle[i]->Handle()) << "Tab to " << cycle[i]->Name();
        }
        for (size_t i = cycle.size() - 1; i-- > 0;) {
            PressKey(VK_TAB, kShift);
            EXPECT_EQ(GetFocus(), cycle[i]->Handle()) << "Shift+Tab to " << cycle[i]->Name();
        }
        // Ctrl+Tab and Alt+Tab are not the window's to handle.
        PressKey(VK_TAB, kCtrl);
        EXPECT_EQ(GetFocus(), form.Edit1->Handle());
        PressKey(VK_TAB, kAlt);
        EXPECT_EQ(GetFocus(), form.Edit1->Handle());
    });
}

TEST(DialogKeys, ArrowsMoveAmongThePanelsControlsButNotOutOfTheFields) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        PressKey(VK_RIGHT);
        EXPECT_EQ(GetFocus(), form.Edit1->Handle()) << "the field keeps its arrows";
        form.btnLogin->SetFocus();
        Pump();
        PressKey(VK_LEFT, kAlt);
        EXPECT_EQ(GetFocus(), form.btnLogin->Handle()) << "no dialog key while Alt is down";
        PressKey(VK_LEFT);
        EXPECT_EQ(GetFocus(), form.cxImage1->Handle()) << "Left from the login button reaches the picture";
        PressKey(VK_RIGHT);
        EXPECT_EQ(GetFocus(), form.btnLogin->Handle());
        PressKey(VK_UP);
        EXPECT_EQ(GetFocus(), form.cxImage1->Handle());
        form.btnCancel->SetFocus();
        Pump();
        PressKey(VK_DOWN);
        EXPECT_EQ(GetFocus(), form.Edit1->Handle()) << "Down from Annuler wraps to the user-code field";
    });
}

TEST(DialogKeys, EnterClicksTheActiveButtonAndEscapeTheCancelButton) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        ClickCounter clicks(form);
        const struct {
            const char* what;
            TWinControl* focus;
            UINT key;
            int login, cancel; // the clicks the key gives
        } cases[] = {
            {"Enter in the user-code field", form.Edit1, VK_RETURN, 1, 0},
            {"Enter in the password field", form.edit2, VK_RETURN, 1, 0},
            {"Enter on the picture", form.cxImage1, VK_RETURN, 1, 0},
            {"Enter on the focused Annuler button clicks it", form.btnCancel, VK_RETURN, 0, 1},
            {"Escape on the login button", form.btnLogin, VK_ESCAPE, 0, 1},
            {"Escape in a field", form.Edit1, VK_ESCAPE, 0, 1},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            c.focus->SetFocus();
            Pump();
            clicks.login = clicks.cancel = 0;
            PressKey(c.key);
            EXPECT_EQ(clicks.login, c.login);
            EXPECT_EQ(clicks.cancel, c.cancel);
        }
    });
}

TEST(DialogKeys, ModifiersAndDisabledButtonsStopEnterAndEscape) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        ClickCounter clicks(form);
        for (const unsigned modifiers : {unsigned(kShift), unsigned(kCtrl), unsigned(kAlt)}) {
            PressKey(VK_RETURN, modifiers);
            PressKey(VK_ESCAPE, modifiers);
        }
        EXPECT_EQ(clicks.login, 0);
        EXPECT_EQ(clicks.cancel, 0);
        form.btnLogin->SetEnabled(false);
        form.btnCancel->SetEnabled(false);
        PressKey(VK_RETURN);
        PressKey(VK_ESCAPE);
        EXPECT_EQ(clicks.login, 0);
        EXPECT_EQ(clicks.cancel, 0);
        form.btnLogin->SetEnabled(true);
        PressKey(VK_RETURN);
        EXPECT_EQ(clicks.login, 1);
    });
}

TEST(DialogKeys, ClickingThePictureFocusesItSoEnterSignsIn) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        ClickCounter clicks(form);
        const HWND picture = form.cxImage1->Handle();
        PostClick(picture, 100, 100);
        Pump();
        EXPECT_EQ(GetFocus(), picture);
        PressKey(VK_RETURN);
        EXPECT_EQ(clicks.login, 1);
    });
}

TEST(DialogKeys, FieldsSelectTheirTextOnFocusExceptByAClick) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        TypeText("jdupont");
        PressKey(VK_TAB);
        TypeText("secret");
        EXPECT_EQ(form.Edit1->Text(), "jdupont");
        EXPECT_EQ(form.edit2->Text(), "") << "the password is kept by the field's window alone";
        EXPECT_EQ(WindowText(form.edit2->Handle()), "secret");
        PressKey(VK_TAB, kShift);
        EXPECT_EQ(form.Edit1->Selection(), std::make_pair(0, 7));
        const HWND password = form.edit2->Handle();
        PostClick(password, 2, 2);
        Pump();
        EXPECT_EQ(GetFocus(), password);
        const auto [start, end] = form.edit2->Selection();
        EXPECT_EQ(start, end) << "a click places the caret without selecting";
    });
}
