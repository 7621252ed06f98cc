#pragma once
// Disables the program's visible, enabled top-level windows for the life of the object (while
// a modal box shows) and enables them again afterwards.

#include <windows.h>

#include <vector>

class DisabledTaskWindows {
  public:
    // `except` stays enabled (the modal window itself, when it already exists).
    explicit DisabledTaskWindows(HWND except = nullptr);
    DisabledTaskWindows(const DisabledTaskWindows&) = delete;
    DisabledTaskWindows& operator=(const DisabledTaskWindows&) = delete;
    ~DisabledTaskWindows();

  private:
    std::vector<HWND> windows_;
    HWND except_;
};
