// repaint_bench [REPAINTS]
// Times full repaints of the sign-in window: the program runs in-process with its built-in
// description, and once the window is up it is invalidated and painted again, with every child,
// REPAINTS times (default 50); the median and the spread are printed. Then each control's window
// is repainted alone as many times, for the split by control (the sum exceeds the full repaint
// where a control's own paint draws what lies beneath it). Needs the stand-in control
// registered, as tools/startup-bench.sh does.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/main.h"
#include "app/program.h"
#include "framework/win_control.h"

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// The median, least and most of REPAINTS repaints of the window, with its children or without.
struct Times {
    double median, least, most;
};

Times TimeRepaints(HWND window, int repaints, UINT children) {
    std::vector<double> times;
    for (int i = 0; i < repaints; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | children);
        GdiFlush();
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

// Every visible control with a window of its own, its name first, in the order they paint.
void CollectControls(const TWinControl& control, std::vector<std::pair<std::string, HWND>>& out) {
    for (const TWinControl* child : control.Controls()) {
        if (!child->HandleAllocated() || !IsWindowVisible(child->WindowHandle()))
            continue;
        out.emplace_back(child->Name(), child->WindowHandle());
        CollectControls(*child, out);
    }
}

} // namespace

int main(int argc, char** argv) {
    const int repaints = argc > 1 ? std::atoi(argv[1]) : 50;
    if (repaints < 1) {
        std::fprintf(stderr, "usage: repaint_bench [REPAINTS]\n");
        return 2;
    }
    bool ran = false;
    ProgramOptions options;
    options.onRunning = [&](TApplication&, TFrmConnexionORLIX& form) {
        const HWND window = form.Handle();
        // The first paint is start-up's, not a repaint.
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const Times full = TimeRepaints(window, repaints, RDW_ALLCHILDREN);
        std::printf("full repaint of the window: median %.2f ms (%.2f to %.2f, %d repaints)\n", full.median,
                    full.least, full.most, repaints);
        std::vector<std::pair<std::string, HWND>> controls;
        CollectControls(form, controls);
        for (const auto& [name, control] : controls) {
            const Times alone = TimeRepaints(control, repaints, RDW_NOCHILDREN);
            std::printf("  %-12s alone: median %.2f ms (%.2f to %.2f)\n", name.c_str(), alone.median,
                        alone.least, alone.most);
        }
        ran = true;
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    };
    if (RunProgram(options) != 0 || !ran) {
        std::fprintf(stderr, "repaint_bench: the program did not start\n");
        return 1;
    }
    return 0;
}
