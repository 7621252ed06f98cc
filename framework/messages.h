#pragma once
// The framework's own messages and the message record handed to the window handlers.

#include <windows.h>

// Framework notifications between controls (in the application's private message range).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_DIALOGKEY = CM_BASE + 1;      // wParam: virtual key, lParam: key data
constexpr UINT CM_DIALOGCHAR = CM_BASE + 2;     // wParam: a character offered as an accelerator
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 3;   // lParam: the newly focused TWinControl*
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 4; // wParam: virtual key
constexpr UINT CM_ENTER = CM_BASE + 5;
constexpr UINT CM_EXIT = CM_BASE + 6;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 8; // the pointer left the control
// An embedded ActiveX control's host: become UI-active again (the form got the focus back with
// the host focused), or stop being UI-active (the focus moved to another control).
constexpr UINT CM_UIACTIVATE = CM_BASE + 16;
constexpr UINT CM_UIDEACTIVATE = CM_BASE + 17;

// Messages reflected to the control they concern: the message loop's keyboard step sends
// CN_KEYDOWN and its kin to the focused control; a parent sends CN_COMMAND, CN_DRAWITEM and
// CN_CTLCOLOR* to the child that notified it.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;

// The reflected messages are the system's own, below WM_USER; the framework's messages end there.
constexpr UINT CN_END = CN_BASE + WM_USER;

// The keyboard messages that the message loop offers to the focused control first: WM_KEYFIRST
// up to 0x0108, where older headers end WM_KEYLAST. Newer ones end it at WM_UNICHAR (0x0109),
// which the loop leaves alone.
constexpr UINT kKeyboardMessageLast = 0x0108;

// Bit 29 of a key message's data: Alt was down (the context code).
constexpr LPARAM kKeyDataAltDown = 0x20000000;

struct TMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};
