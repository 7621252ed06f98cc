#include "base/win/clipboard.h"

#include <cstring>
#include <string>

#include "base/exception.h"
#include "base/win/global_memory.h"

ClipboardReplacement::ClipboardReplacement(HWND owner, const char* what) : what_(what) {
    if (!OpenClipboard(owner))
        throw Exception(std::string("The clipboard is in use by another program; the ") + what_ +
                        " was not copied");
    if (!EmptyClipboard()) {
        CloseClipboard();
        throw Exception(std::string("The clipboard could not be emptied; the ") + what_ + " was not copied");
    }
}

void ClipboardReplacement::Put(UINT format, HANDLE data) {
    if (!SetClipboardData(format, data))
        throw Exception(std::string("The ") + what_ + " could not be placed on the clipboard");
}

void CopyTextToClipboard(HWND owner, std::string_view text) {
    GlobalMemory block = GlobalMemory::Allocate(text.size() + 1);
    {
        const GlobalMemory::Lock bytes(block.Get());
        if (!bytes)
            throw Exception("Not enough memory to copy the text to the clipboard");
        std::memcpy(bytes.Get(), text.data(), text.size());
        static_cast<char*>(bytes.Get())[text.size()] = '\0';
    }
    ClipboardReplacement clipboard(owner, "text");
    clipboard.Put(CF_TEXT, block.Get());
    block.Detach();
}
