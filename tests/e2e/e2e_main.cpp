// Drives the built program end to end: sign-in window, development accounts of the stand-in
// control, warning boxes, the picture's Save As and exit codes. Usage:
//   sign_in_e2e PROGRAM STANDIN_DLL SCREENSHOT_DIR PICTURE_PNG [NAME_PART]
// With NAME_PART, only the scenarios whose name contains it run.
#include <windows.h>

#include <cstdio>
#include <string>

#include "base/win/ansi.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/scenarios.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr,
                     "usage: sign_in_e2e PROGRAM STANDIN_DLL SCREENSHOT_DIR PICTURE_PNG [NAME_PART]\n");
        return 2;
    }
    if (!e2e::RegisterStandin(argv[2])) {
        std::fprintf(stderr, "sign_in_e2e: cannot register the stand-in control %ls\n", argv[2]);
        return 2;
    }
    CreateDirectoryW(argv[3], nullptr);
    int passed = 0;
    int failed = 0;
    for (const e2e::Scenario& s : e2e::Scenarios()) {
        if (argc == 6 && Utf8ToWide(s.name).find(argv[5]) == std::string::npos)
            continue;
        e2e::Run run{argv[1], argv[3], argv[4], {}};
        s.walk(run);
        std::printf("%s: %s\n", run.failures.empty() ? "PASS" : "FAIL", s.name);
        for (const std::string& f : run.failures)
            std::printf("    failed: %s\n", f.c_str());
        (run.failures.empty() ? passed : failed) += 1;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
