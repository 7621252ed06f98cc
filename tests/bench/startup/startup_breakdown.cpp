// startup_breakdown [ROUNDS] STARTUP_PHASES.exe
// Where start-up's time goes: starts startup_phases (the program, then the reference window) in
// turn, ROUNDS times (default 9) after one unmeasured start of each, and prints the median of
// every phase they report for both, side by side, with the program's excess over the reference.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "tests/bench/startup/median.h"

namespace {

// The phases in the order first reported, each with its times.
struct Phases {
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> times;

    void Add(const std::string& phase, double ms) {
        auto [it, added] = times.try_emplace(phase);
        if (added)
            order.push_back(phase);
        it->second.push_back(ms);
    }
};

// The lines "phase<TAB>milliseconds" one start printed, or false when it failed.
bool RunOnce(const std::string& exe, const char* which, Phases& phases) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    LARGE_INTEGER launched;
    QueryPerformanceCounter(&launched);
    std::string command = "\"" + exe + "\" " + which + " " + std::to_string(launched.QuadPart);
    const BOOL created = CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    char buffer[4096];
    DWORD got;
    while (created && ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got)
        output.append(buffer, got);
    CloseHandle(readEnd);
    if (!created)
        return false;
    DWORD exitCode = 1;
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (exitCode != 0 || output.empty())
        return false;
    size_t at = 0;
    while (at < output.size()) {
        size_t end = output.find('\n', at);
        if (end == std::string::npos)
            end = output.size();
        const std::string line = output.substr(at, end - at);
        const size_t tab = line.find('\t');
        if (tab != std::string::npos)
            phases.Add(line.substr(0, tab), std::atof(line.c_str() + tab + 1));
        at = end + 1;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc == 3 ? std::atoi(argv[1]) : 9;
    if ((argc != 2 && argc != 3) || rounds < 1) {
        std::fprintf(stderr, "usage: startup_breakdown [ROUNDS] STARTUP_PHASES.exe\n");
        return 2;
    }
    const std::string exe = argv[argc - 1];
    // Under Wine the first program to ask for the desktop window starts the desktop's process.
    GetDesktopWindow();
    Phases program, host, warmUp;
    RunOnce(exe, "program", warmUp);
    RunOnce(exe, "host", warmUp);
    for (int round = 0; round < rounds; ++round)
        for (auto [which, phases] : {std::pair{"program", &program}, std::pair{"host", &host}})
            if (!RunOnce(exe, which, *phases)) {
                std::fprintf(stderr, "startup_breakdown: the %s did not start\n", which);
                return 1;
            }
    std::printf("start-up phases, medians of %d starts (ms)     program  reference  difference\n", rounds);
    for (const std::string& phase : program.order) {
        const double p = Median(program.times[phase]);
        const auto h = host.times.find(phase);
        if (h == host.times.end()) {
            std::printf("%-52s %8.2f\n", phase.c_str(), p);
            continue;
        }
        const double r = Median(h->second);
        std::printf("%-52s %8.2f %8.2f %+9.2f\n", phase.c_str(), p, r, p - r);
    }
    for (const std::string& phase : host.order)
        if (!program.times.count(phase))
            std::printf("%-52s %8s %8.2f\n", phase.c_str(), "", Median(host.times[phase]));
    return 0;
}
