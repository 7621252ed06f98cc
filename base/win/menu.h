#pragma once
// Owner of a menu made with CreatePopupMenu or CreateMenu, destroyed with DestroyMenu.

#include <windows.h>

#include "base/win/owned_handle.h"

// Shows a context menu at a point on the screen for the window `owner` and answers the command
// identifier of the chosen line, 0 when none was chosen.
inline UINT TrackContextMenu(HMENU menu, HWND owner, int x, int y) {
    return UINT(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0,
                               owner, nullptr));
}

inline void DestroyMenuHandle(HMENU h) {
    DestroyMenu(h);
}
using MenuHandle = OwnedHandle<HMENU, DestroyMenuHandle>;
