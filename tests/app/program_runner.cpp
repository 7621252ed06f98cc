#include "tests/app/program_runner.h"

#include "tests/support/ui/ui_driver.h"

namespace {

bool g_timedOut = false;

void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
    g_timedOut = true;
    PostQuitMessage(0);
}

} // namespace

RunResult RunProgramWith(ProgramStep whileRunning, ProgramStep beforeShowing, int showCommand,
                         const DescObject* description, TApplication::MessageBoxFunction messageBox) {
    RecordedBoxes().clear();
    g_timedOut = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10000, Watchdog);
    ProgramOptions options;
    options.showCommand = showCommand;
    options.description = description;
    options.messageBox = messageBox ? messageBox : RecordMessageBox;
    options.onCreated = std::move(beforeShowing);
    options.onRunning = std::move(whileRunning);
    const int exitCode = RunProgram(options);
    KillTimer(nullptr, timer);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    return {exitCode, g_timedOut};
}

RunResult RunAndClose(const ProgramStep& whileRunning) {
    return RunProgramWith([&](TApplication& app, TFrmConnexionORLIX& form) {
        whileRunning(app, form);
        form.Close();
    });
}
