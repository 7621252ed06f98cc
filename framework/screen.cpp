#include "framework/screen.h"

#include <windows.h>

#include "base/win/gdi.h"

int TScreen::PixelsPerInch() const {
    if (ppiOverride_)
        return ppiOverride_;
    WindowDC dc(nullptr);
    return GetDeviceCaps(dc.Get(), LOGPIXELSY);
}

int TScreen::Width() const {
    return GetSystemMetrics(SM_CXSCREEN);
}
int TScreen::Height() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

TScreen& Screen() {
    static TScreen screen;
    return screen;
}
