#pragma once
// A user acting on a picture box: its keys pressed with modifiers held, and its context menu
// opened from the keyboard.

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

// The key pressed with Ctrl and Shift held or not, as the window receives it.
inline void PressWithModifiers(HWND window, UINT key, bool ctrl, bool shift) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    SendMessageA(window, WM_KEYDOWN, key, 1);
    state[VK_CONTROL] = state[VK_SHIFT] = 0;
    SetKeyboardState(state);
}

namespace menu_detail {
inline std::vector<std::function<void()>> steps;
inline int ticks = 0;

inline void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (!FindWindowA("#32768", nullptr))
        return;
    if (++ticks > 20 + int(steps.size()))
        EndMenu();
    if (ticks <= int(steps.size()))
        steps[size_t(ticks - 1)]();
}
} // namespace menu_detail

// Opens the window's context menu as the keyboard does and runs each step from inside the
// menu's modal loop, one every 50 ms (so that what a step posts to the menu is handled before
// the next); a menu still open a second after the last step is dismissed.
inline void WithMenuOpen(HWND window, std::vector<std::function<void()>> steps) {
    menu_detail::steps = std::move(steps);
    menu_detail::ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, menu_detail::OnTick);
    SendMessageA(window, WM_CONTEXTMENU, WPARAM(window), MAKELPARAM(-1, -1));
    KillTimer(nullptr, timer);
    menu_detail::steps.clear();
}

inline void WithMenuOpen(HWND window, std::function<void()> whileOpen) {
    WithMenuOpen(window, std::vector<std::function<void()>>{std::move(whileOpen)});
}
