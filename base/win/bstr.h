#pragma once
// An owned BSTR. The empty Bstr is the null BSTR, which COM reads as the empty string.
// Not copyable (two owners would free the string twice); movable.

#include <windows.h>
#include <ole2.h>

#include <string>
#include <string_view>

class Bstr {
  public:
    Bstr() noexcept = default;
    // A null BSTR for empty text; throws std::bad_alloc when the string cannot be allocated.
    explicit Bstr(std::wstring_view text);
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept : s_(other.Detach()) {}
    Bstr& operator=(Bstr&& other) noexcept;
    ~Bstr() { Reset(); }

    // Takes over a BSTR that the caller owns.
    static Bstr Adopt(BSTR s) noexcept;

    BSTR Get() const noexcept { return s_; }
    explicit operator bool() const noexcept { return s_ != nullptr; }
    unsigned Length() const noexcept { return SysStringLen(s_); }
    std::wstring_view View() const noexcept { return {s_ ? s_ : L"", Length()}; }

    void Reset() noexcept;
    BSTR Detach() noexcept;
    // For an out-parameter: frees what is held and gives the slot to fill.
    BSTR* Put() noexcept;

  private:
    BSTR s_ = nullptr;
};
