// startup_bench [ROUNDS] PROGRAM.exe REFERENCE.exe BARE.exe [EARLIER.exe]
// Times each program from process creation to its first full paint: WaitForInputIdle returns
// once the new process's message loop waits for input with nothing left to do, and a loop hands
// out every pending paint before it waits. The programs run in turn, ROUNDS times (default 9),
// each ended at once after it was timed; the median of each and the ratios of the first to the
// others are printed. An earlier build of the program, when given, is timed in the same rounds,
// so that the two compare under the same load.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/bench/startup/median.h"

namespace {

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Milliseconds to the first full paint, or a negative number when the program did not get there.
double TimeStartup(const std::string& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\"";
    LARGE_INTEGER start, idle;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    const DWORD waited = WaitForInputIdle(process.hProcess, 20000);
    QueryPerformanceCounter(&idle);
    // A program that ended (a failed start) also stops the wait.
    const bool running = WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return waited == 0 && running ? 1000 * Seconds(start, idle) : -1;
}

} // namespace

int main(int argc, char** argv) {
    // A first argument that is a number is the count of rounds.
    const bool counted = argc > 1 && std::atoi(argv[1]) > 0;
    const int first = counted ? 2 : 1;
    const int rounds = counted ? std::atoi(argv[1]) : 9;
    if (argc - first != 3 && argc - first != 4) {
        std::fprintf(stderr,
                     "usage: startup_bench [ROUNDS] PROGRAM.exe REFERENCE.exe BARE.exe [EARLIER.exe]\n");
        return 2;
    }
    const std::vector<std::string> programs(argv + first, argv + argc);
    std::vector<std::vector<double>> times(programs.size());
    // Under Wine the first program to ask for the desktop window starts the desktop's process;
    // a program that creates windows before it is up fails. The launcher asks first.
    GetDesktopWindow();
    // One unmeasured round: the first start of each loads its files into the cache.
    for (const std::string& program : programs)
        TimeStartup(program);
    for (int round = 0; round < rounds; ++round)
        for (size_t i = 0; i < programs.size(); ++i) {
            const double ms = TimeStartup(programs[i]);
            if (ms < 0) {
                std::fprintf(stderr, "startup_bench: %s did not reach its message loop\n",
                             programs[i].c_str());
                return 1;
            }
            times[i].push_back(ms);
        }
    std::vector<double> medians;
    for (size_t i = 0; i < programs.size(); ++i) {
        medians.push_back(Median(times[i]));
        const auto [least, most] = std::minmax_element(times[i].begin(), times[i].end());
        std::printf("%-40s median %7.1f ms  (%.1f to %.1f, %d runs)\n", programs[i].c_str(), medians[i],
                    *least, *most, rounds);
    }
    std::printf("program / reference = %.2f (target <= 1.15)\n", medians[0] / medians[1]);
    std::printf("program / bare      = %.2f (target <= 1.50)\n", medians[0] / medians[2]);
    if (medians.size() == 4) {
        std::printf("earlier / reference = %.2f\n", medians[3] / medians[1]);
        std::printf("program / earlier   = %.2f\n", medians[0] / medians[3]);
    }
    return 0;
}
