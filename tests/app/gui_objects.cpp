#include "tests/app/gui_objects.h"

namespace {

constexpr ULONG_PTR kHandleIndices = 0x10000;

DWORD ProbeGdiObjects() {
    DWORD n = 0;
    for (ULONG_PTR i = 1; i < kHandleIndices; ++i)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0)
            ++n;
    return n;
}

// Window handles are shared by all processes: only this process's count.
DWORD ProbeOwnWindows() {
    const DWORD self = GetCurrentProcessId();
    DWORD n = 0;
    for (ULONG_PTR i = 1; i < kHandleIndices; ++i) {
        const HWND h = reinterpret_cast<HWND>(i);
        DWORD process = 0;
        if (IsWindow(h) && GetWindowThreadProcessId(h, &process) && process == self)
            ++n;
    }
    return n;
}

} // namespace

GuiObjectCounts CountGuiObjects() {
    GuiObjectCounts counts{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                           GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
    if (counts.gdi == 0)
        counts.gdi = ProbeGdiObjects();
    if (counts.user == 0)
        counts.user = ProbeOwnWindows();
    return counts;
}
