#pragma once
// The system's message text for an error code, as an exception carries it: in the ANSI code
// page, at most 256 characters, without the trailing period and line break. Empty when the
// system has no text for the code.

#include <windows.h>

#include <string>

std::string SystemMessage(DWORD code);
