#pragma once
// Texts of OLE error messages. The system's message texts end in a period and a line break,
// which the error box would double; these helpers produce the form the exceptions carry.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The longest system message text kept, in characters.
constexpr size_t kSystemMessageLimit = 256;

// Removes trailing blanks, control characters (line breaks among them) and periods.
std::string TrimMessageTail(std::string_view text);

// A system message text as an exception carries it: the first kSystemMessageLimit characters,
// then the tail trimmed.
std::string SystemMessageText(std::string_view raw);

// The message for a code the system has no text for: "OLE error 8ABCDEF0".
std::string OleErrorFallbackText(uint32_t code);
