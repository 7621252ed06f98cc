#pragma once
// Putting the program's texts on the clipboard.

#include <windows.h>

#include <string_view>

// Replaces the clipboard's content with 8-bit text in the ANSI code page (CF_TEXT; the system
// offers it as Unicode too). The memory is prepared before the clipboard is opened, and the
// clipboard is always closed again; Exception when it cannot be had (another program holds it)
// or the memory cannot be allocated, and the clipboard then keeps what it held.
void CopyTextToClipboard(HWND owner, std::string_view text);
