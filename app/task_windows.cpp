#include "app/task_windows.h"

namespace {

struct Collector {
    std::vector<HWND>* windows;
    HWND except;
};

BOOL CALLBACK DisableWindow(HWND hwnd, LPARAM param) {
    const auto* c = reinterpret_cast<const Collector*>(param);
    if (hwnd == c->except || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd))
        return TRUE;
    // Only a window that will be enabled again is disabled; out of memory ends the walk.
    try {
        c->windows->push_back(hwnd);
    } catch (...) {
        return FALSE;
    }
    EnableWindow(hwnd, FALSE);
    return TRUE;
}

} // namespace

DisabledTaskWindows::DisabledTaskWindows(HWND except) : except_(except) {
    Collector collector{&windows_, except_};
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&collector));
}

DisabledTaskWindows::~DisabledTaskWindows() {
    for (const HWND hwnd : windows_)
        if (IsWindow(hwnd))
            EnableWindow(hwnd, TRUE);
}
