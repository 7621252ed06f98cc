// Soak: the window opened and closed many times in one process gives back every GDI and USER
// object and every reference to the remote desktop control.
#include <gtest/gtest.h>

#include "app/main.h"
#include "tests/app/gui_objects.h"
#include "tests/app/program_runner.h"
#include "tests/app/scripted_host.h"

namespace {

constexpr int kCycles = 50;

// One cycle while the window is up: it paints completely, then closes through its close box.
// Once the sign-in is built, each cycle also signs in and disconnects through the stand-in
// control here, before closing.
void PaintThenClose(TApplication&, TFrmConnexionORLIX& form) {
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PostMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

} // namespace

TEST(Soak, OpeningAndClosingTheWindowFiftyTimesGivesEverythingBack) {
    // The first run creates what lives as long as the process: window classes, cached fonts.
    ASSERT_EQ(RunProgramWith(PaintThenClose).exitCode, 0);
    const GuiObjectCounts before = CountGuiObjects();
    const int instancesBefore = HostedControl().InstancesCreated();

    for (int cycle = 0; cycle < kCycles; ++cycle) {
        const RunResult run = RunProgramWith(PaintThenClose);
        ASSERT_EQ(run.exitCode, 0) << "cycle " << cycle;
        ASSERT_FALSE(run.timedOut) << "cycle " << cycle;
        const auto control = HostedControl().LastInstance();
        ASSERT_EQ(control->RefCount(), 0) << "cycle " << cycle;
        ASSERT_EQ(control->LiveObjects(), 0) << "cycle " << cycle;
    }

    EXPECT_EQ(HostedControl().InstancesCreated(), instancesBefore + kCycles);
    const GuiObjectCounts after = CountGuiObjects();
    EXPECT_EQ(after.gdi, before.gdi) << "GDI objects";
    EXPECT_EQ(after.user, before.user) << "USER objects";
    EXPECT_GT(before.gdi, 0u);
    EXPECT_GT(before.user, 0u);
}
