#include "base/win/system_library.h"

#include <string>

namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

// Resolved at run time: Windows 7 has it only with KB2533623, and an import would keep the
// program from starting there.
SetDefaultDllDirectoriesFunction SetDefaultDllDirectoriesEntry() {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel ? reinterpret_cast<SetDefaultDllDirectoriesFunction>(
                        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")))
                  : nullptr;
}

} // namespace

void RestrictDllSearchToSystem() {
    if (const auto setDefault = SetDefaultDllDirectoriesEntry())
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");
}

LibraryModule LoadSystemLibrary(const wchar_t* name) {
    if (SetDefaultDllDirectoriesEntry())
        return LibraryModule(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    // Without the search flags: the full path in System32.
    wchar_t folder[MAX_PATH];
    const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return LibraryModule();
    const std::wstring path = std::wstring(folder, n) + L"\\" + name;
    return LibraryModule(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}
