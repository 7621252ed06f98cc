#include "base/win/secret_text.h"

#include <new>

SecretText SecretText::FromWindow(HWND hwnd) {
    const int n = GetWindowTextLengthW(hwnd);
    if (n <= 0)
        return SecretText(nullptr, 0, 0);
    // The length may count more than the text (a conversion's worst case); the copy says how
    // much there is.
    const size_t capacity = size_t(n) + 1;
    auto chars = std::make_unique<wchar_t[]>(capacity);
    const int copied = GetWindowTextW(hwnd, chars.get(), int(capacity));
    return SecretText(std::move(chars), capacity, size_t(copied > 0 ? copied : 0));
}

SecretText::~SecretText() {
    if (chars_)
        SecureZeroMemory(chars_.get(), capacity_ * sizeof(wchar_t));
}

SecretBstr::SecretBstr(std::wstring_view text) {
    if (text.empty())
        return;
    s_ = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!s_)
        throw std::bad_alloc();
}

SecretBstr::~SecretBstr() {
    if (!s_)
        return;
    SecureZeroMemory(s_, SysStringByteLen(s_));
    SysFreeString(s_);
}
