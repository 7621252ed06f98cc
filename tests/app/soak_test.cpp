// Soak: the window opened, signed in and closed by the session's end many times in one process
// gives back every GDI and USER object and every reference to the remote desktop control.
#include <gtest/gtest.h>

#include "app/main.h"
#include "controls/cx_button.h"
#include "framework/edit.h"
#include "session/rdp_ids.h"
#include "tests/app/gui_objects.h"
#include "tests/app/program_runner.h"
#include "tests/app/scripted_host.h"
#include "tests/app/sign_in_form.h"
#include "tests/support/ui/warning_boxes.h"

namespace {

constexpr int kCycles = 50;

// One cycle while the window is up: it paints completely, signs in, the session opens, and the
// server ends it; every other cycle with a reason that the warning box reports before the
// window closes.
void SignInAndDisconnect(TApplication&, TFrmConnexionORLIX& form) {
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Fill(form, L"jdupont", L"secret");
    ClickLogin(form);
    const auto control = HostedControl().LastInstance();
    control->Fire(RdpEvent::OnConnected);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    static int cycle = 0;
    control->Fire(RdpEvent::OnDisconnected, Variant::Long(++cycle % 2 ? 2 : 3));
}

} // namespace

TEST(Soak, OpeningAndClosingTheWindowFiftyTimesGivesEverythingBack) {
    // The first runs create what lives as long as the process: window classes, cached fonts,
    // the warning box's icon.
    WarningBoxWatcher boxes;
    for (int warmUp = 0; warmUp < 2; ++warmUp)
        ASSERT_EQ(RunProgramWith(SignInAndDisconnect).exitCode, 0);
    const GuiObjectCounts before = CountGuiObjects();
    const int instancesBefore = HostedControl().InstancesCreated();

    for (int cycle = 0; cycle < kCycles; ++cycle) {
        const RunResult run = RunProgramWith(SignInAndDisconnect);
        ASSERT_EQ(run, kEndedCleanly) << "cycle " << cycle;
        const auto control = HostedControl().LastInstance();
        ASSERT_EQ(control->RefCount(), 0) << "cycle " << cycle;
        ASSERT_EQ(control->LiveObjects(), 0) << "cycle " << cycle;
    }

    EXPECT_EQ(HostedControl().InstancesCreated(), instancesBefore + kCycles);
    EXPECT_EQ(boxes.Boxes().size(), size_t(kCycles / 2 + 1)) << "every other session ended with a report";
    const GuiObjectCounts after = CountGuiObjects();
    EXPECT_EQ(after.gdi, before.gdi) << "GDI objects";
    EXPECT_EQ(after.user, before.user) << "USER objects";
    EXPECT_GT(before.gdi, 0u);
    EXPECT_GT(before.user, 0u);
}
