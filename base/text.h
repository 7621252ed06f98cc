#pragma once
// Text helpers for the program's own 8-bit texts.

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

// The text without its leading and trailing characters with codes 0 to 32; for 8-bit text and
// for UTF-16 alike (code units, so no character outside that range is touched).
template <class Char>
std::basic_string_view<Char> TrimmedView(std::basic_string_view<Char> s) {
    const auto blank = [](Char c) { return static_cast<std::make_unsigned_t<Char>>(c) <= 32; };
    size_t first = 0;
    size_t last = s.size();
    while (first < last && blank(s[first]))
        ++first;
    while (last > first && blank(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

inline std::string Trim(std::string_view s) {
    return std::string(TrimmedView(s));
}

// value in upper-case hexadecimal, padded with zeros to at least `digits` digits.
std::string UpperHex(uint64_t value, int digits);

// The error box's punctuation: "." is appended when the message is not empty and its last
// character sorts after "." (so a message ending in ".", "!", "," or a blank gets nothing).
std::string WithFinalPeriod(std::string message);

// Text of the start-up failure box: "Exception <class> in module <module> at <address>.",
// a line break, the message with "." unless it already ends with one, and a line break.
// The address is printed with `digits` upper-case hexadecimal digits (eight on 32-bit Windows).
std::string StartupFailureText(std::string_view className, std::string_view moduleName, uintptr_t address,
                               int digits, std::string_view message);

// A caption as read aloud: without the "&" that marks its access key ("&&" stands for "&").
std::string WithoutAccessKeyMarks(std::string_view caption);

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
