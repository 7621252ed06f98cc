#include "base/text.h"

#include <cctype>

std::string UpperHex(uint64_t value, int digits) {
    // By hand rather than with snprintf, whose MinGW implementation weighs about 18 KB.
    std::string text;
    for (; value != 0 || digits > 0; value >>= 4, --digits)
        text.insert(text.begin(), "0123456789ABCDEF"[value & 15]);
    return text.empty() ? "0" : text;
}

std::string WithFinalPeriod(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

std::string StartupFailureText(std::string_view className, std::string_view moduleName, uintptr_t address,
                               int digits, std::string_view message) {
    std::string text = "Exception ";
    text.append(className).append(" in module ").append(moduleName).append(" at ");
    text.append(UpperHex(address, digits));
    text.append(".\r\n").append(message);
    if (message.empty() || message.back() != '.')
        text += '.';
    text += "\r\n";
    return text;
}

std::string WithoutAccessKeyMarks(std::string_view caption) {
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && ++i == caption.size())
            break;
        text += caption[i];
    }
    return text;
}

std::string_view FileNameOfPath(std::string_view path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string TitleFromModulePath(std::string_view path, LowerCaseFunction lower) {
    std::string_view name = FileNameOfPath(path);
    name = name.substr(0, name.find('.'));
    if (name.empty())
        return {};
    return std::string(1, name.front()) + lower(std::string(name.substr(1)));
}

char AcceleratorOf(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;
    }
    return '\0';
}

bool IsAccelerator(char c, std::string_view caption) {
    const char accel = AcceleratorOf(caption);
    const auto upper = [](char x) { return char(std::toupper(static_cast<unsigned char>(x))); };
    return accel != '\0' && upper(accel) == upper(c);
}
