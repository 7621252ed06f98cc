#pragma once
// The path of a loaded module's file, however long.

#include <windows.h>

#include <string>

// The path GetModuleFileNameA gives for the module (nullptr: the program's file), read into a
// buffer that grows until the whole path fits; empty when the platform cannot say.
std::string ModulePath(HMODULE module = nullptr);
