#pragma once
// DLLs taken from the system's folder only. A program copied to a share or a USB key must not
// run a DLL that someone placed beside it or in the current directory: the search for every DLL
// loaded after start-up is limited to System32, and the DLLs the program loads itself are named
// there explicitly.

#include <windows.h>

#include "base/win/owned_handle.h"

// Limits the DLL search of this process to System32 and removes the current directory from it.
// The first thing the program does. Where the system lacks SetDefaultDllDirectories (Windows 7
// without its update), only the current directory is removed; LoadSystemLibrary still names
// System32 itself.
void RestrictDllSearchToSystem();

inline void FreeLibraryModule(HMODULE h) {
    FreeLibrary(h);
}

// A loaded DLL, freed with its holder.
using LibraryModule = OwnedHandle<HMODULE, FreeLibraryModule>;

// The function `name` that `library` exports, as the type F; null when it exports none.
template <class F>
F LibraryFunction(const LibraryModule& library, const char* name) {
    return library ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library.Get(), name)))
                   : nullptr;
}

// The DLL `name` ("oleacc.dll") from System32, never from the program's folder or the current
// directory; empty when it cannot be loaded (GetLastError says why).
LibraryModule LoadSystemLibrary(const wchar_t* name);
