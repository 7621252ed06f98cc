#pragma once
// The numbers of GDI and USER objects this process holds, for tests that check nothing leaks.

#include <windows.h>

struct GuiObjectCounts {
    DWORD gdi = 0;
    DWORD user = 0;

    friend bool operator==(const GuiObjectCounts& a, const GuiObjectCounts& b) {
        return a.gdi == b.gdi && a.user == b.user;
    }
};

// Windows answers GetGuiResources. Wine answers 0 there, but accepts a handle by its table index
// alone: there the live GDI objects are counted by probing every index with GetObjectType, and the
// USER objects as the windows of this process found by probing with IsWindow.
GuiObjectCounts CountGuiObjects();
