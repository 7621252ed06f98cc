#pragma once
// Driving the program's windows from a test on the user-interface thread: keys delivered
// through the message queue as the keyboard would deliver them, message boxes recorded instead
// of shown, and the queue pumped through the application's own loop.

#include <windows.h>

#include <string>
#include <vector>

#include "base/geometry.h"

enum KeyModifier : unsigned { kShift = 1, kCtrl = 2, kAlt = 4 };

// Posts a key press and release to the focused window (WM_SYSKEYDOWN with Alt) with the
// modifiers held in the thread's keyboard state, and pumps the queue through the application's
// message loop so the keyboard step sees them.
void PressKey(UINT vk, unsigned modifiers = 0);
// Posts typed characters to the focused window and pumps the queue.
void TypeText(const std::string& text);
// Mouse input on a window at a point in its client coordinates, as the platform would deliver
// it: the cursor is put there and the message goes to the window that holds the capture, if
// any, with the point in that window's coordinates. `keys` are the MK_ flags held.
void MoveMouse(HWND hwnd, int x, int y, unsigned keys = 0);
void PressMouse(HWND hwnd, int x, int y);
void ReleaseMouse(HWND hwnd, int x, int y);
void DoubleClickMouse(HWND hwnd, int x, int y);
// Puts the cursor on a screen point without a message, as when the pointer jumps onto a window
// that receives its moves elsewhere; pumps until the trackers had a few ticks.
void JumpCursor(POINT screen);
// Runs the application's loop until the queue is empty, a few times, so that messages posted
// while handling others are handled too.
void Pump();
// Keeps pumping for `milliseconds`, so that timers and late posts are handled as they come.
void PumpFor(DWORD milliseconds);

struct RecordedBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
    // Top-level windows of the thread that were disabled while the box showed.
    std::vector<HWND> disabledWindows;
};

// A replacement for MessageBoxA that records each box and answers IDOK.
int WINAPI RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
// A replacement for MessageBoxA that records each box as RecordMessageBox does, then shows the
// platform's box and presses Enter in it once it is up, as a user answers it: the box takes the
// activation from the program's windows, and they get it back when it closes. Past
// kAnsweredBoxesLimit recorded boxes a box is only recorded, so that a program that puts boxes
// up without end still lets the test end (and fail).
int WINAPI AnswerMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
constexpr size_t kAnsweredBoxesLimit = 12;
std::vector<RecordedBox>& RecordedBoxes();

// The first descendant window of `parent` with the given class name, or nullptr.
HWND FindChildByClass(HWND parent, const char* className);
std::string WindowText(HWND hwnd);
// A child window's rectangle in its parent's client coordinates.
TRect BoundsInParent(HWND child);
