#pragma once
// A window the holder created, destroyed with it.

#include <windows.h>

#include <utility>

class WindowHandle {
  public:
    WindowHandle() = default;
    explicit WindowHandle(HWND h) : h_(h) {}
    WindowHandle(const WindowHandle&) = delete;
    WindowHandle& operator=(const WindowHandle&) = delete;
    ~WindowHandle() { Reset(); }

    void Reset(HWND h = nullptr) {
        if (const HWND old = std::exchange(h_, h))
            DestroyWindow(old);
    }
    HWND Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

  private:
    HWND h_ = nullptr;
};
