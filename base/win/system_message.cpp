#include "base/win/system_message.h"

#include "base/error_text.h"
#include "base/win/ansi.h"

#include <memory>

namespace {

struct LocalFreeDeleter {
    void operator()(wchar_t* p) const noexcept { LocalFree(p); }
};

} // namespace

std::string SystemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, LocalFreeDeleter> owner(buffer);
    if (length == 0 || !buffer)
        return {};
    // Cut in characters before converting, so the limit does not depend on the code page.
    const std::wstring_view text(buffer, length);
    return SystemMessageText(WideToAnsi(text.substr(0, kSystemMessageLimit)));
}
