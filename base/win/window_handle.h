#pragma once
// A window the holder created, destroyed with it.

#include <windows.h>

#include "base/win/owned_handle.h"

inline void DestroyWindowHandle(HWND h) {
    DestroyWindow(h);
}
using WindowHandle = OwnedHandle<HWND, DestroyWindowHandle>;
