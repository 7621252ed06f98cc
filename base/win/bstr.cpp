#include "base/win/bstr.h"

#include <new>
#include <utility>

Bstr::Bstr(std::wstring_view text) {
    if (text.empty())
        return;
    s_ = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!s_)
        throw std::bad_alloc();
}

Bstr& Bstr::operator=(Bstr&& other) noexcept {
    if (this != &other) {
        Reset();
        s_ = other.Detach();
    }
    return *this;
}

Bstr Bstr::Adopt(BSTR s) noexcept {
    Bstr result;
    result.s_ = s;
    return result;
}

void Bstr::Reset() noexcept {
    SysFreeString(std::exchange(s_, nullptr));
}

BSTR Bstr::Detach() noexcept {
    return std::exchange(s_, nullptr);
}

BSTR* Bstr::Put() noexcept {
    Reset();
    return &s_;
}
