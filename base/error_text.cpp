#include "base/error_text.h"

#include <cstdio>

std::string TrimMessageTail(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && (static_cast<unsigned char>(text[end - 1]) <= ' ' || text[end - 1] == '.'))
        --end;
    return std::string(text.substr(0, end));
}

std::string SystemMessageText(std::string_view raw) {
    return TrimMessageTail(raw.substr(0, kSystemMessageLimit));
}

std::string OleErrorFallbackText(uint32_t code) {
    char text[32];
    std::snprintf(text, sizeof text, "OLE error %.8X", static_cast<unsigned>(code));
    return text;
}
