#include "base/error_text.h"

#include "base/text.h"

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
    return "OLE error " + UpperHex(code, 8);
}
