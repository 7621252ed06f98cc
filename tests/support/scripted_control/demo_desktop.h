#pragma once
// The simulated remote desktop of the demo account, in the control's window: the title
// "Session de démonstration", the user code and the time of day over the whole window, and a
// band at the bottom with the buttons that end the session.

#include <windows.h>

#include <cstdint>
#include <string>

namespace scripted {

struct DemoEndButton {
    WORD id;
    const wchar_t* caption;
    int32_t reason; // the disconnect reason the simulated server gives
};

// The button with that control identifier, or null.
const DemoEndButton* FindDemoEndButton(WORD id);

// The buttons as children of `window`, placed for its size.
void CreateDemoButtons(HWND window);
void DestroyDemoButtons(HWND window) noexcept;
// After the window changed size.
void PlaceDemoButtons(HWND window);
// Answers WM_PAINT for the whole window at once.
void PaintDemoDesktop(HWND window, const std::wstring& userCode);

} // namespace scripted
