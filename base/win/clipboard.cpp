#include "base/win/clipboard.h"

#include <cstring>

#include "base/exception.h"
#include "base/win/global_memory.h"

namespace {

class OpenedClipboard {
  public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != 0) {}
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() {
        if (open_)
            CloseClipboard();
    }
    explicit operator bool() const { return open_; }

  private:
    bool open_;
};

} // namespace

void CopyTextToClipboard(HWND owner, std::string_view text) {
    GlobalMemory block = GlobalMemory::Allocate(text.size() + 1);
    {
        const GlobalMemory::Lock bytes(block.Get());
        if (!bytes)
            throw Exception("Not enough memory to copy the text to the clipboard");
        std::memcpy(bytes.Get(), text.data(), text.size());
        static_cast<char*>(bytes.Get())[text.size()] = '\0';
    }
    const OpenedClipboard clipboard(owner);
    if (!clipboard)
        throw Exception("The clipboard is in use by another program; the text was not copied");
    if (!EmptyClipboard())
        throw Exception("The clipboard could not be emptied; the text was not copied");
    if (!SetClipboardData(CF_TEXT, block.Get()))
        throw Exception("The text could not be placed on the clipboard");
    // The clipboard owns the block now.
    block.Detach();
}
