// A control that cannot be activated in place: the failure is reported once, where it happens;
// neither the focus coming back after the error box nor the window shown again tries the
// activation again; the sign-in tries it once more; every way of closing ends the program.
// The error boxes are the platform's own, answered with Enter, so that the activation leaves
// the window and comes back as it does for a user.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/cx_button.h"
#include "session/msrdp_client.h"
#include "tests/app/program_runner.h"
#include "tests/app/scripted_host.h"
#include "tests/app/sign_in_form.h"
#include "tests/support/ui/ui_driver.h"

namespace {

// The texts of the boxes recorded from `from` on.
std::vector<std::string> BoxTextsFrom(size_t from) {
    std::vector<std::string> texts;
    for (size_t i = from; i < RecordedBoxes().size(); ++i)
        texts.push_back(RecordedBoxes()[i].text);
    return texts;
}

} // namespace

TEST(ActivationFailure, StartingSigningInAndClosingShowOneBoxAtMostEachAndTheProgramEnds) {
    const struct {
        const char* failing;
        const char* message;
    } failures[] = {
        {"IOleObject::DoVerb", "OLE control activation failed."},
        {"IOleWindow::GetWindow", "Could not obtain OLE control window handle."},
    };
    const struct {
        const char* name;
        bool signIn;
        void (*close)(TFrmConnexionORLIX&);
    } closes[] = {
        {"Annuler", false,
         [](TFrmConnexionORLIX& f) { SendMessageA(f.btnCancel->Handle(), BM_CLICK, 0, 0); }},
        {"close box after signing in", true,
         [](TFrmConnexionORLIX& f) { PostMessageA(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4 after signing in", true, [](TFrmConnexionORLIX&) { PressKey(VK_F4, kAlt); }},
    };
    for (const auto& failure : failures) {
        for (const auto& c : closes) {
            SCOPED_TRACE(std::string(failure.failing) + ", " + c.name);
            HostedControl().Script().Answer(failure.failing, E_FAIL);
            std::shared_ptr<scripted::ScriptedInstance> control;
            std::vector<std::string> atStart, afterRestore, atSignIn, atClose;
            int activationsBeforeSignIn = 0;
            bool focusInWindow = false;
            size_t seen = 0;
            const auto next = [&seen] {
                std::vector<std::string> texts = BoxTextsFrom(seen);
                seen = RecordedBoxes().size();
                return texts;
            };
            const RunResult run = RunProgramWith(
                [&](TApplication& app, TFrmConnexionORLIX& form) {
                    control = HostedControl().LastInstance();
                    Pump();
                    atStart = next();
                    // The window hidden with the program and shown again.
                    app.Minimize();
                    Pump();
                    app.Restore();
                    Pump();
                    afterRestore = next();
                    activationsBeforeSignIn = control->CountCalls("IOleObject::DoVerb(INPLACEACTIVATE");
                    if (c.signIn) {
                        Fill(form, L"jdupont", L"secret");
                        ClickLogin(form);
                        Pump();
                        atSignIn = next();
                        focusInWindow = GetFocus() && IsChild(form.Handle(), GetFocus());
                    }
                    c.close(form);
                    Pump();
                    atClose = next();
                },
                nullptr, SW_SHOWNORMAL, nullptr, AnswerMessageBox);
            HostedControl().Script().ClearAnswers();
            EXPECT_EQ(run, kEndedCleanly);
            EXPECT_EQ(atStart, std::vector<std::string>{failure.message});
            EXPECT_TRUE(afterRestore.empty());
            EXPECT_EQ(activationsBeforeSignIn, 1) << "nothing tried it again unasked";
            if (c.signIn) {
                EXPECT_EQ(atSignIn, std::vector<std::string>{failure.message});
                EXPECT_TRUE(focusInWindow) << "the fields can still be used";
                EXPECT_EQ(control->CountCalls("IOleObject::DoVerb(INPLACEACTIVATE"), 2)
                    << "the sign-in, needing the control's window, tries once more";
                EXPECT_EQ(control->CountCalls("IMsTscAx::Connect"), 0);
            }
            EXPECT_TRUE(atClose.empty());
            ASSERT_TRUE(control);
            EXPECT_FALSE(control->Alive());
            EXPECT_EQ(control->RefCount(), 0);
        }
    }
}
