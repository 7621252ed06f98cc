#pragma once
// The program's texts from its string table, in the system's ANSI code page.

#include <string>

std::string LoadResourceString(unsigned id);
