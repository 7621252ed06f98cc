#pragma once
// DLLs taken from the system's folder only. A program copied to a share or a USB key must not
// run a DLL that someone placed beside it or in the current directory: the search for every DLL
// loaded after start-up is limited to System32, and the DLLs the program loads itself are named
// there explicitly.

#include <windows.h>

#include <utility>

// Limits the DLL search of this process to System32 and removes the current directory from it.
// The first thing the program does. Where the system lacks SetDefaultDllDirectories (Windows 7
// without its update), only the current directory is removed; LoadSystemLibrary still names
// System32 itself.
void RestrictDllSearchToSystem();

// A loaded DLL, freed with its holder.
class LibraryModule {
  public:
    LibraryModule() = default;
    explicit LibraryModule(HMODULE h) : h_(h) {}
    LibraryModule(LibraryModule&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    LibraryModule& operator=(LibraryModule&& other) noexcept {
        std::swap(h_, other.h_);
        return *this;
    }
    LibraryModule(const LibraryModule&) = delete;
    LibraryModule& operator=(const LibraryModule&) = delete;
    ~LibraryModule() {
        if (h_)
            FreeLibrary(h_);
    }

    HMODULE Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

    // The exported function `name` as the type F; null when the DLL does not export it.
    template <class F>
    F Function(const char* name) const {
        return h_ ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(h_, name))) : nullptr;
    }

  private:
    HMODULE h_ = nullptr;
};

// The DLL `name` ("oleacc.dll") from System32, never from the program's folder or the current
// directory; empty when it cannot be loaded (GetLastError says why).
LibraryModule LoadSystemLibrary(const wchar_t* name);
