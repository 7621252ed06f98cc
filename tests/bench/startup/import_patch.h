#pragma once
// Replaces a function a module imports by name with another one, through the module's import
// address table: the benchmarks time what the program asks of the platform without a line of
// the program knowing. Only calls made through that table are seen (the program's own, not a
// DLL's).

#include <windows.h>

// The replaced entry's previous target, or null when the module does not import the function.
void* PatchImport(HMODULE module, const char* dll, const char* function, void* replacement);

// Patches the running program's import and keeps the original in `original`; false when the
// program does not import it.
template <typename F>
bool PatchOwnImport(const char* dll, const char* function, F replacement, F& original) {
    void* previous =
        PatchImport(GetModuleHandleA(nullptr), dll, function, reinterpret_cast<void*>(replacement));
    original = reinterpret_cast<F>(previous);
    return previous != nullptr;
}
