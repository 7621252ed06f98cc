#pragma once
// The program's entry steps: create the application object, initialise COM, create the sign-in
// window from its description, show it, run the message loop, shut down. A failure before the
// loop runs ends the program with the start-up failure box and exit code 1.

#include <functional>

#include "app/application.h"

struct DescObject;
class TFrmConnexionORLIX;

struct ProgramOptions {
    int showCommand = SW_SHOWNORMAL;
    // The window description; the one built into the program when null.
    const DescObject* description = nullptr;
    // Replaces the platform's MessageBoxA for every box of the program.
    TApplication::MessageBoxFunction messageBox = nullptr;
    // Runs once the window is created, before it is shown.
    std::function<void(TApplication&, TFrmConnexionORLIX&)> onCreated;
    // Runs once the window is shown, before the message loop starts.
    std::function<void(TApplication&, TFrmConnexionORLIX&)> onRunning;
};

int RunProgram(const ProgramOptions& options);

// The window description built into the program.
DescObject LoadBuiltInDescription();

// Makes every class that a window description may name known to the reader (once).
void RegisterProgramClasses();
