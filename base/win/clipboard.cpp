#include "base/win/clipboard.h"

#include <cstring>
#include <string>

#include "base/exception.h"
#include "base/win/ansi.h"
#include "base/win/global_memory.h"

namespace {

[[noreturn]] void ThrowClipboardError(const char* reason, const char* lost) {
    throw Exception(Utf8ToAnsi(std::string(reason) + " : " + lost));
}

} // namespace

void ThrowClipboardBusy(const char* lost) {
    ThrowClipboardError("Le presse-papiers est utilisé par un autre programme", lost);
}

ClipboardReplacement::ClipboardReplacement(HWND owner, const char* lost) : lost_(lost) {
    if (!OpenClipboard(owner))
        ThrowClipboardBusy(lost_);
    if (!EmptyClipboard()) {
        CloseClipboard();
        ThrowClipboardError("Le presse-papiers n'a pas pu être vidé", lost_);
    }
}

void ClipboardReplacement::Put(UINT format, HANDLE data) {
    if (!SetClipboardData(format, data))
        ThrowClipboardError("Le presse-papiers a refusé la copie", lost_);
}

void CopyTextToClipboard(HWND owner, std::string_view text) {
    GlobalMemory block = GlobalMemory::Allocate(text.size() + 1);
    {
        const GlobalMemory::Lock bytes(block.Get());
        if (!bytes)
            throw Exception(Utf8ToAnsi("Mémoire insuffisante pour copier le texte dans le presse-papiers"));
        std::memcpy(bytes.Get(), text.data(), text.size());
        static_cast<char*>(bytes.Get())[text.size()] = '\0';
    }
    ClipboardReplacement clipboard(owner, "le texte n'a pas été copié");
    clipboard.Put(CF_TEXT, block.Get());
    block.Detach();
}
