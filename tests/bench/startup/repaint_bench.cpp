// repaint_bench [REPAINTS]
// Times full repaints of the sign-in window: the program runs in-process with its built-in
// description, and once the window is up it is invalidated and painted again, with every child,
// REPAINTS times (default 50); the median and the spread are printed. Needs the stand-in control
// registered, as tools/startup-bench.sh does.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/main.h"
#include "app/program.h"

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
    const int repaints = argc > 1 ? std::atoi(argv[1]) : 50;
    if (repaints < 1) {
        std::fprintf(stderr, "usage: repaint_bench [REPAINTS]\n");
        return 2;
    }
    std::vector<double> times;
    ProgramOptions options;
    options.onRunning = [&](TApplication&, TFrmConnexionORLIX& form) {
        const HWND window = form.Handle();
        // The first paint is start-up's, not a repaint.
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        for (int i = 0; i < repaints; ++i) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            GdiFlush();
            QueryPerformanceCounter(&end);
            times.push_back(Milliseconds(start, end));
        }
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    };
    if (RunProgram(options) != 0 || times.empty()) {
        std::fprintf(stderr, "repaint_bench: the program did not start\n");
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("full repaint of the window: median %.2f ms (%.2f to %.2f, %d repaints)\n",
                times[times.size() / 2], times.front(), times.back(), repaints);
    return 0;
}
