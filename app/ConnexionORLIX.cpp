// Program entry of ConnexionORLIX.exe.
#include <windows.h>

#include "app/program.h"
#include "base/win/system_library.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    // Before anything can load a DLL: none from the program's folder or the current directory.
    RestrictDllSearchToSystem();
    ProgramOptions options;
    options.showCommand = showCommand;
    return RunProgram(options);
}
