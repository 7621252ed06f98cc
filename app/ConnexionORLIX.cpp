// Program entry of ConnexionORLIX.exe.
#include <windows.h>

#include "app/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    ProgramOptions options;
    options.showCommand = showCommand;
    return RunProgram(options);
}
