#pragma once
// Watches the program's warning boxes from a test on the user-interface thread. Each box is seen
// from inside its own modal loop, once it shows: the watcher records it and then acts on it,
// by default pressing Enter in it, so a test can walk through boxes that nest.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TMessageForm;

struct SeenBox {
    HWND hwnd;
    std::string caption;
    std::string message;
    // Top-level windows of the thread that were disabled while the box showed.
    std::vector<HWND> disabledWindows;
    HWND focus;
};

class WarningBoxWatcher {
  public:
    using Action = std::function<void(TMessageForm& box)>;
    // Posts Enter to the box's focused control.
    static void PressOk(TMessageForm& box);

    explicit WarningBoxWatcher(Action action = PressOk);
    WarningBoxWatcher(const WarningBoxWatcher&) = delete;
    WarningBoxWatcher& operator=(const WarningBoxWatcher&) = delete;
    ~WarningBoxWatcher();

    const std::vector<SeenBox>& Boxes() const { return boxes_; }
    std::vector<std::string> Messages() const;

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM param);
    void Look();

    Action action_;
    UINT_PTR timer_ = 0;
    std::vector<SeenBox> boxes_;
    std::vector<HWND> handled_;
};
