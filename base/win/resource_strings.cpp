#include "base/win/resource_strings.h"

#include <windows.h>

#include "base/win/ansi.h"

std::string LoadResourceString(unsigned id) {
    // The table holds UTF-16; LoadStringW's zero-length form points into the resource itself.
    const wchar_t* text = nullptr;
    const int n = LoadStringW(GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (n <= 0 || !text)
        return {};
    return WideToAnsi(std::wstring_view(text, size_t(n)));
}
