// The start-up benchmark's reference (reference_form.h) as a program of its own, with the same
// application object, message loop and resources as the program.
#include <windows.h>
#include <objbase.h>

#include "app/program.h"
#include "tests/bench/startup/reference_form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    RegisterProgramClasses();
    TApplication app;
    if (FAILED(CoInitialize(nullptr)))
        return 1;
    {
        TStartupReference form(ReadDescription(kReferenceDescription));
        app.SetShowCommand(showCommand);
        app.ShowMainForm();
        app.RunLoop();
    }
    CoUninitialize();
    return 0;
}
