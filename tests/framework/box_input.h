#pragma once
// A user acting on a picture box: its keys pressed with modifiers held, and its context menu
// opened from the keyboard.

#include <windows.h>

#include <functional>
#include <utility>

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
inline std::function<void()> whileOpen;
inline int ticks = 0;

inline void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (!FindWindowA("#32768", nullptr))
        return;
    if (++ticks > 20)
        EndMenu();
    if (ticks == 1)
        whileOpen();
}
} // namespace menu_detail

// Opens the window's context menu as the keyboard does and runs `whileOpen` once from inside
// the menu's modal loop; a menu still open a second later is dismissed.
inline void WithMenuOpen(HWND window, std::function<void()> whileOpen) {
    menu_detail::whileOpen = std::move(whileOpen);
    menu_detail::ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, menu_detail::OnTick);
    SendMessageA(window, WM_CONTEXTMENU, WPARAM(window), MAKELPARAM(-1, -1));
    KillTimer(nullptr, timer);
    menu_detail::whileOpen = nullptr;
}
