#include "app/task_windows.h"

DisabledTaskWindows::DisabledTaskWindows(HWND except) : except_(except) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* self = reinterpret_cast<DisabledTaskWindows*>(param);
            if (hwnd != self->except_ && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
                self->windows_.push_back(hwnd);
                EnableWindow(hwnd, FALSE);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
}

DisabledTaskWindows::~DisabledTaskWindows() {
    for (const HWND hwnd : windows_)
        if (IsWindow(hwnd))
            EnableWindow(hwnd, TRUE);
}
