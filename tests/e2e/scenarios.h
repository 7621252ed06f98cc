#pragma once
// The walks a user takes through the program, each from start to exit.

#include <string>
#include <vector>

namespace e2e {

struct Run {
    std::wstring program;
    std::wstring shots;   // folder for the screenshots
    std::wstring picture; // the PNG file the window's picture was made from
    std::vector<std::string> failures;

    void Check(bool ok, const std::string& what) {
        if (!ok)
            failures.push_back(what);
    }
};

struct Scenario {
    const char* name;
    void (*walk)(Run& run);
};

const std::vector<Scenario>& Scenarios();

} // namespace e2e
