#pragma once
// The bracket around a modal box: the program's other windows are disabled while it shows, then
// enabled again, and the window that was active and the control that had the focus get them
// back. Both the platform's message box and the program's own warning box are shown inside one.

#include <windows.h>

#include <optional>

#include "app/task_windows.h"

class ModalBracket {
  public:
    // `box` stays enabled: the modal window itself, when it already exists.
    explicit ModalBracket(HWND box = nullptr);
    ModalBracket(const ModalBracket&) = delete;
    ModalBracket& operator=(const ModalBracket&) = delete;
    // Enables the windows again if still disabled, then gives activation and focus back.
    ~ModalBracket();

    // Enables the other windows again before the box goes, so that one of them can take the
    // activation back.
    void EnableWindows() { disabled_.reset(); }

  private:
    HWND active_;
    HWND focus_;
    std::optional<DisabledTaskWindows> disabled_;
};
