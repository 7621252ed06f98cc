#pragma once
// The scripted control's own child window: a dark area with a line that says what it is, and a
// second line once it was asked to connect; the control's simulated session, when there is one,
// takes the messages it handles first. It reports focus changes and its destruction to
// the control that created it, found through a window property (not GWLP_USERDATA, which a
// host that subclasses the window may use for itself).

#include <windows.h>

namespace scripted {

class ScriptedControl;
class DemoSession;

HWND CreateStandinWindow(HWND parent, const RECT& position, ScriptedControl* control);
// The window stops calling the control (before the control goes away).
void DetachStandinWindow(HWND hwnd);
// A message-only window whose every timer tells `session` that it is due.
HWND CreateSessionTimerWindow(DemoSession* session);
// Unregisters the window classes, when the module that registered them unloads.
void UnregisterStandinWindowClass();

} // namespace scripted
