#pragma once
// Text helpers for the program's own 8-bit texts.

#include <cstdint>
#include <string>
#include <string_view>

// Removes leading and trailing characters with codes 0 to 32.
std::string Trim(std::string_view s);

// The error box's punctuation: "." is appended when the message is not empty and its last
// character sorts after "." (so a message ending in ".", "!", "," or a blank gets nothing).
std::string WithFinalPeriod(std::string message);

// Text of the start-up failure box: "Exception <class> in module <module> at <address>.",
// a line break, the message with "." unless it already ends with one, and a line break.
// The address is printed with `digits` upper-case hexadecimal digits (eight on 32-bit Windows).
std::string StartupFailureText(std::string_view className, std::string_view moduleName, uintptr_t address,
                               int digits, std::string_view message);

// The part of a path after its last backslash.
std::string_view FileNameOfPath(std::string_view path);

// The application title of a program file: the file name cut before its first dot, every
// character after the first passed through `lower` (the platform's CharLower on Windows).
using LowerCaseFunction = std::string (*)(std::string);
std::string TitleFromModulePath(std::string_view path, LowerCaseFunction lower);

// The accelerator letter of a caption: the character after its first "&" that is not part of
// a doubled "&&"; '\0' when there is none.
char AcceleratorOf(std::string_view caption);
// Whether `c` is the caption's accelerator letter, ignoring the case of ASCII letters.
bool IsAccelerator(char c, std::string_view caption);
