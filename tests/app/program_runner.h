#pragma once
// Runs the whole program in-process, with its boxes recorded, and gives the test the
// application and the window while the message loop runs.

#include <functional>
#include <ostream>

#include "app/main.h"
#include "app/program.h"

struct RunResult {
    int exitCode;
    bool timedOut;

    friend bool operator==(const RunResult& a, const RunResult& b) {
        return a.exitCode == b.exitCode && a.timedOut == b.timedOut;
    }
    friend void PrintTo(const RunResult& r, std::ostream* os) {
        *os << "exit code " << r.exitCode << (r.timedOut ? ", timed out" : ", ended by itself");
    }
};

// The program ended by itself with exit code 0.
constexpr RunResult kEndedCleanly{0, false};

using ProgramStep = std::function<void(TApplication&, TFrmConnexionORLIX&)>;

// The program runs until its own close path posts the quit message; a watchdog ends it after
// ten seconds and reports a time-out. Leftover quit messages are removed afterwards. Its boxes
// go to `messageBox`, RecordMessageBox when null.
RunResult RunProgramWith(ProgramStep whileRunning, ProgramStep beforeShowing = nullptr,
                         int showCommand = SW_SHOWNORMAL, const DescObject* description = nullptr,
                         TApplication::MessageBoxFunction messageBox = nullptr);

// As RunProgramWith, and the window is closed once `whileRunning` returns, also when a failed
// assertion ended it early.
RunResult RunAndClose(const ProgramStep& whileRunning);
