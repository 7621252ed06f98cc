#pragma once
// Owner of a menu made with CreatePopupMenu or CreateMenu, destroyed with DestroyMenu.

#include <windows.h>

#include <utility>

// Shows a context menu at a point on the screen for the window `owner` and answers the command
// identifier of the chosen line, 0 when none was chosen.
inline UINT TrackContextMenu(HMENU menu, HWND owner, int x, int y) {
    return UINT(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0,
                               owner, nullptr));
}

class MenuHandle {
  public:
    MenuHandle() = default;
    explicit MenuHandle(HMENU h) : h_(h) {}
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    ~MenuHandle() { Reset(); }

    void Reset(HMENU h = nullptr) {
        if (h_)
            DestroyMenu(h_);
        h_ = h;
    }
    HMENU Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

  private:
    HMENU h_ = nullptr;
};
