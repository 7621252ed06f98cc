#pragma once
// Replacing the clipboard's content: the program's texts, and the one way every copy goes.

#include <windows.h>

#include <string_view>

// The clipboard opened and emptied for new content, closed again when this goes out of scope.
// Whatever is put on it must be prepared beforehand, so that a failure while preparing leaves the
// clipboard as it was. `lost` tells the user, in UTF-8, what a failure means for the copy
// ("l'image n'a pas été copiée").
class ClipboardReplacement {
  public:
    // Exception when the clipboard cannot be had (another program holds it) or emptied.
    ClipboardReplacement(HWND owner, const char* lost);
    ClipboardReplacement(const ClipboardReplacement&) = delete;
    ClipboardReplacement& operator=(const ClipboardReplacement&) = delete;
    ~ClipboardReplacement() { CloseClipboard(); }

    // Hands data over in the format: the clipboard owns it afterwards. Exception when the
    // clipboard refuses it; the caller still owns it then.
    void Put(UINT format, HANDLE data);

  private:
    const char* lost_;
};

// The exception for a clipboard that another program holds; `lost` as above.
[[noreturn]] void ThrowClipboardBusy(const char* lost);

// Replaces the clipboard's content with 8-bit text in the ANSI code page (CF_TEXT; the system
// offers it as Unicode too). Exception when the clipboard cannot be had or the memory cannot be
// allocated, and the clipboard then keeps what it held.
void CopyTextToClipboard(HWND owner, std::string_view text);
