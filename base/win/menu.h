#pragma once
// Owner of a menu made with CreatePopupMenu or CreateMenu, destroyed with DestroyMenu.

#include <windows.h>

#include <utility>

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
