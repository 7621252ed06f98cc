#include "base/win/module_path.h"

std::string ModulePath(HMODULE module) {
    // Long-path names reach 32767 characters; a truncated path fills the whole buffer.
    constexpr DWORD kLongestPath = 32768;
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(module, path.data(), DWORD(path.size()));
        if (n == 0)
            return {};
        if (n < path.size() || path.size() >= kLongestPath) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}
