#pragma once
// Text that holds a password. Its memory is zeroed before it is freed, so the password does not
// linger in freed heap blocks (or in the system's cache of freed BSTRs). Neither class copies
// itself, and neither grows after construction: no stale copy is ever left behind.

#include <windows.h>
#include <ole2.h>

#include <cstddef>
#include <memory>
#include <string_view>

class SecretText {
  public:
    // The text of a window as UTF-16, read straight into zeroing memory.
    static SecretText FromWindow(HWND hwnd);
    SecretText(const SecretText&) = delete;
    SecretText& operator=(const SecretText&) = delete;
    SecretText(SecretText&&) noexcept = default;
    ~SecretText();

    std::wstring_view View() const noexcept { return {chars_ ? chars_.get() : L"", length_}; }

  private:
    SecretText(std::unique_ptr<wchar_t[]> chars, size_t capacity, size_t length) noexcept
        : chars_(std::move(chars)), capacity_(capacity), length_(length) {}

    std::unique_ptr<wchar_t[]> chars_;
    size_t capacity_ = 0;
    size_t length_ = 0;
};

// A BSTR handed to a control for a password; zeroed and freed when it goes.
class SecretBstr {
  public:
    // The null BSTR for empty text; std::bad_alloc when it cannot be allocated.
    explicit SecretBstr(std::wstring_view text);
    SecretBstr(const SecretBstr&) = delete;
    SecretBstr& operator=(const SecretBstr&) = delete;
    ~SecretBstr();

    BSTR Get() const noexcept { return s_; }

  private:
    BSTR s_ = nullptr;
};
