#include "base/text.h"

#include <cctype>
#include <cstdio>

std::string WithFinalPeriod(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

std::string StartupFailureText(std::string_view className, std::string_view moduleName, uintptr_t address,
                               int digits, std::string_view message) {
    char hex[2 * sizeof(uintptr_t) + 1];
    std::snprintf(hex, sizeof hex, "%0*llX", digits, static_cast<unsigned long long>(address));
    std::string text = "Exception ";
    text.append(className).append(" in module ").append(moduleName).append(" at ").append(hex);
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
