#pragma once
// Window classes of the framework and the one window procedure that binds each window to its
// control. A class is either the framework's own (default handling by DefWindowProc) or a
// superclass of a system class such as "EDIT" or "BUTTON", whose procedure then does the
// default handling. Class names are the control class names ("TEdit", "TPanel", ...).

#include <windows.h>

class TWinControl;

struct WindowClassInfo {
    const char* name;      // class name to register
    const char* baseClass; // system class to superclass, or nullptr for an own class
    UINT style = 0;        // class style of an own class
    // A Unicode class keeps the text typed into it in UTF-16, so characters outside the ANSI
    // code page survive (the entry fields).
    bool unicode = false;
};

// Registers the class once per process and answers the procedure that does default handling.
WNDPROC EnsureWindowClass(const WindowClassInfo& info);

// Binds the next window created on this thread to `control`; the window procedure completes
// the binding with the first message the window receives.
void SetCreatingControl(TWinControl* control);

// The control bound to a window, or nullptr.
TWinControl* FindControl(HWND hwnd);
// On a window's first message: binds it to the control whose window is being created, if any,
// and answers that control.
TWinControl* BindCreatingControl(HWND hwnd);
// Forgets the window's control, once the window is gone.
void UnbindWindow(HWND hwnd);

// Puts the framework's procedure in front of a window that another component created, such as
// an embedded ActiveX control's window, and binds it to `control`. Answers the previous procedure.
WNDPROC HookWindow(HWND hwnd, TWinControl* control);
// Gives the window its previous procedure back and unbinds it.
void UnhookWindow(HWND hwnd, WNDPROC previous);

// The window procedure of the framework's windows, and its Unicode twin for hooked Unicode
// windows (whose messages then reach the control with UTF-16 text). They hand each message to
// the bound control's WndProc, and every exception to the application's handler.
LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK FrameworkWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
