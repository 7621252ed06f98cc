#pragma once
// Conversions between the program's 8-bit texts (the system's ANSI code page), UTF-8 source
// texts and the UTF-16 strings that COM and the remote desktop control take.

#include <string>
#include <string_view>

std::wstring AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::wstring_view wide);
std::wstring Utf8ToWide(std::string_view utf8);
// Characters that the ANSI code page cannot hold become the platform's default character.
std::string Utf8ToAnsi(std::string_view utf8);
