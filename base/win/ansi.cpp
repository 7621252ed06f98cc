#include "base/win/ansi.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty())
        return {};
    const int n = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), wide.data(), n);
    return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int n =
        WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(size_t(n), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), text.data(), n, nullptr, nullptr);
    return text;
}

} // namespace

std::wstring AnsiToWide(std::string_view ansi) {
    return ToWide(CP_ACP, ansi);
}
std::string WideToAnsi(std::wstring_view wide) {
    return FromWide(CP_ACP, wide);
}
std::wstring Utf8ToWide(std::string_view utf8) {
    return ToWide(CP_UTF8, utf8);
}
std::string Utf8ToAnsi(std::string_view utf8) {
    return WideToAnsi(Utf8ToWide(utf8));
}
