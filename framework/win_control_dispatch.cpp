// Message dispatch of controls: the window procedure, the control's message map with its typed
// handlers' defaults, and default handling.
#include "framework/win_control.h"

#include <windowsx.h>

#include "base/scope_guard.h"
#include "framework/accessible_traits.h"
#include "framework/application_services.h"
#include "framework/colors_win.h"
#include "framework/popup_menu.h"

namespace {

AccessibleObjectAnswer g_accessibleObject = nullptr;

TPoint PointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

LRESULT Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, WNDPROC unbound) {
    TWinControl* control = FindControl(hwnd);
    if (!control && (control = BindCreatingControl(hwnd)) != nullptr) {
        try {
            control->AttachHandle(hwnd);
        } catch (...) {
            ReportException(control);
        }
    }
    if (!control)
        return unbound(hwnd, msg, wParam, lParam);

    TMessage m{msg, wParam, lParam, 0};
    try {
        control->WndProc(m);
    } catch (...) {
        ReportException(control);
    }
    if (msg == WM_NCDESTROY) {
        UnbindWindow(hwnd);
        try {
            control->HandleDestroyed(hwnd);
        } catch (...) {
            ReportException(control);
        }
    }
    return m.result;
}

} // namespace

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Dispatch(hwnd, msg, wParam, lParam, DefWindowProcA);
}

LRESULT CALLBACK FrameworkWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Dispatch(hwnd, msg, wParam, lParam, DefWindowProcW);
}

void AttachAccessibleObject(AccessibleObjectAnswer answer) {
    g_accessibleObject = answer;
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WndProc(m);
    return m.result;
}

void TWinControl::WndProc(TMessage& m) {
    const ScopedValue<TMessage*> current(current_, &m);
    if (!WalkMessageMap(Messages(), *this, m))
        DefaultHandler(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
    // The framework's own messages mean nothing to a window class's procedure.
    if (!handle_ || (m.msg >= CM_BASE && m.msg < CN_END)) {
        return;
    }
    m.result = IsWindowUnicode(handle_) ? CallWindowProcW(defProc_, handle_, m.msg, m.wParam, m.lParam)
                                        : CallWindowProcA(defProc_, handle_, m.msg, m.wParam, m.lParam);
}

void TWinControl::Default() {
    if (current_)
        DefaultHandler(*current_);
}

// The root map's handlers unpack each message for its typed handler. The groups are chained:
// mouse, keys, focus, the window's own messages, then what a parent reflects to its children.
struct TWinControl::BaseMessages {
    using C = TWinControl;
    using M = TMessage;

    // A mouse button's message to its typed handler, with the button it is for.
    template <void (C::*Handler)(TMouseButton, unsigned, TPoint), TMouseButton Button>
    static bool MouseButton(C& c, M& m) {
        (c.*Handler)(Button, unsigned(m.wParam), PointOf(m.lParam));
        return true;
    }
    static bool MouseMove(C& c, M& m) { return c.MouseMove(unsigned(m.wParam), PointOf(m.lParam)), true; }
    static bool MouseLeave(C& c, M&) { return c.MouseLeave(), true; }
    static bool CaptureChanged(C& c, M& m) {
        return c.CaptureChanged(reinterpret_cast<HWND>(m.lParam)), true;
    }
    static const TControlMessageMap& Mouse() {
        static const TControlMessageEntry entries[] = {
            OnMessage<MouseButton<&C::MouseDown, mbLeft>>(WM_LBUTTONDOWN),
            OnMessage<MouseButton<&C::MouseDown, mbRight>>(WM_RBUTTONDOWN),
            OnMessage<MouseButton<&C::MouseDown, mbMiddle>>(WM_MBUTTONDOWN),
            OnMessage<MouseButton<&C::MouseUp, mbLeft>>(WM_LBUTTONUP),
            OnMessage<MouseButton<&C::MouseUp, mbRight>>(WM_RBUTTONUP),
            OnMessage<MouseButton<&C::MouseUp, mbMiddle>>(WM_MBUTTONUP),
            OnMessage<MouseButton<&C::DblClick, mbLeft>>(WM_LBUTTONDBLCLK),
            OnMessage<MouseButton<&C::DblClick, mbRight>>(WM_RBUTTONDBLCLK),
            OnMessage<MouseButton<&C::DblClick, mbMiddle>>(WM_MBUTTONDBLCLK),
            OnMessage<MouseMove>(WM_MOUSEMOVE),
            OnMessage<MouseLeave>(CM_MOUSELEAVE),
            OnMessage<CaptureChanged>(WM_CAPTURECHANGED),
        };
        static const TControlMessageMap map(nullptr, entries);
        return map;
    }

    // The keyboard step's notifications, and the dialog keys and characters they lead to.
    static bool KeyDown(C& c, M& m) { return c.KeyDown(UINT(m.wParam), m.lParam), true; }
    static bool KeyDownNotification(C& c, M& m) { return c.KeyDownNotification(m, true); }
    static bool SysKeyDownNotification(C& c, M& m) { return c.KeyDownNotification(m, false); }
    static bool CharNotification(C& c, M& m) { return c.CharNotification(m, false); }
    static bool SysCharNotification(C& c, M& m) { return c.CharNotification(m, true); }
    static bool DialogKey(C& c, M& m) { return c.DialogKey(m), true; }
    static bool DialogChar(C& c, M& m) {
        m.result = c.DialogChar(char(m.wParam)) ? 1 : 0;
        return true;
    }
    static const TControlMessageMap& Keys() {
        static const TControlMessageEntry entries[] = {
            OnMessage<KeyDown>(WM_KEYDOWN),
            OnMessage<KeyDownNotification>(CN_KEYDOWN),
            OnMessage<SysKeyDownNotification>(CN_SYSKEYDOWN),
            OnMessage<CharNotification>(CN_CHAR),
            OnMessage<SysCharNotification>(CN_SYSCHAR),
            OnMessage<DialogKey>(CM_DIALOGKEY),
            OnMessage<DialogChar>(CM_DIALOGCHAR),
        };
        static const TControlMessageMap map(&Mouse(), entries);
        return map;
    }

    static bool FocusIn(C& c, M& m) { return c.FocusIn(reinterpret_cast<HWND>(m.wParam)), true; }
    static bool FocusOut(C& c, M& m) { return c.FocusOut(reinterpret_cast<HWND>(m.wParam)), true; }
    static bool FocusChanged(C& c, M& m) {
        c.FocusChanged(reinterpret_cast<TWinControl*>(m.lParam));
        m.result = 0;
        return true;
    }
    static bool Enter(C& c, M&) { return c.DoEnter(), true; }
    static bool Exit(C& c, M&) { return c.DoExit(), true; }
    static const TControlMessageMap& Focus() {
        static const TControlMessageEntry entries[] = {
            OnMessage<FocusIn>(WM_SETFOCUS),
            OnMessage<FocusOut>(WM_KILLFOCUS),
            OnMessage<FocusChanged>(CM_FOCUSCHANGED),
            OnMessage<Enter>(CM_ENTER),
            OnMessage<Exit>(CM_EXIT),
        };
        static const TControlMessageMap map(&Keys(), entries);
        return map;
    }

    static bool EraseBackground(C& c, M& m) {
        m.result = 1;
        c.EraseBackground(reinterpret_cast<HDC>(m.wParam));
        return true;
    }
    static bool Paint(C& c, M&) { return c.PaintOwnClass(); }
    static bool PrintClient(C& c, M& m) { return c.PrintOwnClass(m); }
    static bool PositionChanged(C& c, M& m) {
        c.DefaultHandler(m);
        c.UpdateBoundsFromWindow();
        return true;
    }
    static bool ContextMenu(C& c, M& m) { return c.ContextMenu(PointOf(m.lParam)), true; }
    static bool AccessibleObject(C& c, M& m) { return g_accessibleObject && g_accessibleObject(c, m); }
    static const TControlMessageMap& Window() {
        static const TControlMessageEntry entries[] = {
            OnMessage<EraseBackground>(WM_ERASEBKGND), OnMessage<Paint>(WM_PAINT),
            OnMessage<PrintClient>(WM_PRINTCLIENT),    OnMessage<PositionChanged>(WM_WINDOWPOSCHANGED),
            OnMessage<ContextMenu>(WM_CONTEXTMENU),    OnMessage<AccessibleObject>(WM_GETOBJECT),
        };
        static const TControlMessageMap map(&Focus(), entries);
        return map;
    }

    // What the control's window notifies its parent of goes back to the child that sent it.
    static bool ReflectToSender(C& c, M& m) { return c.ReflectToChild(m, reinterpret_cast<HWND>(m.lParam)); }
    static bool Command(C& c, M& m) { return m.lParam && ReflectToSender(c, m); }
    static bool DrawItem(C& c, M& m) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
        if (item.CtlType != ODT_MENU)
            return c.ReflectToChild(m, item.hwndItem);
        m.result = c.DrawMenuItem(item) ? TRUE : FALSE;
        return m.result == TRUE;
    }
    static bool MeasureItem(C& c, M& m) {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam);
        m.result = item.CtlType == ODT_MENU && c.MeasureMenuItem(item) ? TRUE : FALSE;
        return m.result == TRUE;
    }
    static bool ColorReflected(C& c, M& m) { return c.ColorReflected(m); }
    static bool CommandReflected(C& c, M& m) { return c.Command(HIWORD(m.wParam)), true; }
    static bool DrawItemReflected(C& c, M& m) {
        m.result = c.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam)) ? TRUE : FALSE;
        return true;
    }
    static const TControlMessageMap& Reflected() {
        static const TControlMessageEntry entries[] = {
            OnMessage<Command>(WM_COMMAND),
            OnMessage<DrawItem>(WM_DRAWITEM),
            OnMessage<MeasureItem>(WM_MEASUREITEM),
            OnMessage<ReflectToSender>(WM_CTLCOLOREDIT),
            OnMessage<ReflectToSender>(WM_CTLCOLORSTATIC),
            OnMessage<ReflectToSender>(WM_CTLCOLORBTN),
            OnMessage<ColorReflected>(CN_CTLCOLOREDIT),
            OnMessage<ColorReflected>(CN_CTLCOLORSTATIC),
            OnMessage<ColorReflected>(CN_CTLCOLORBTN),
            OnMessage<CommandReflected>(CN_COMMAND),
            OnMessage<DrawItemReflected>(CN_DRAWITEM),
        };
        static const TControlMessageMap map(&Window(), entries);
        return map;
    }
};

const TControlMessageMap& TWinControl::ClassMessages() {
    return BaseMessages::Reflected();
}

bool TWinControl::PaintOwnClass() {
    if (!ownClass_)
        return false;
    PaintDC dc(handle_);
    Paint(dc.Get());
    return true;
}

bool TWinControl::PrintOwnClass(TMessage& m) {
    if (!ownClass_)
        return false;
    if (m.lParam & PRF_ERASEBKGND)
        EraseBackground(reinterpret_cast<HDC>(m.wParam));
    Paint(reinterpret_cast<HDC>(m.wParam));
    return true;
}

bool TWinControl::ColorReflected(TMessage& m) {
    const HDC dc = reinterpret_cast<HDC>(m.wParam);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    m.result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    if (!IsSystemColor(Color()) || SystemColorIndex(Color()) != COLOR_WINDOW) {
        SetDCBrushColor(dc, ColorToRGB(Color()));
        m.result = reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    return true;
}

void TWinControl::MouseDown(TMouseButton button, unsigned, TPoint) {
    if (button == mbLeft)
        IncludeState(csLButtonDown);
    Default();
}

void TWinControl::MouseUp(TMouseButton button, unsigned, TPoint) {
    if (button == mbLeft)
        ExcludeState(csLButtonDown);
    Default();
}

void TWinControl::DblClick(TMouseButton button, unsigned, TPoint) {
    if (button == mbLeft)
        IncludeState(csLButtonDown);
    Default();
}

void TWinControl::MouseMove(unsigned, TPoint) {
    Default();
}
void TWinControl::KeyDown(UINT, LPARAM) {
    Default();
}
void TWinControl::ContextMenu(TPoint screenPoint) {
    if (TPopupMenu* menu = PopupMenu())
        menu->Popup(Handle(), ContextMenuPoint(screenPoint, {0, 0}));
    else
        Default();
}

TPoint TWinControl::ContextMenuPoint(TPoint screenPoint, TPoint fromKeyboard) {
    if (screenPoint.x != -1 || screenPoint.y != -1)
        return screenPoint;
    POINT at = {fromKeyboard.x, fromKeyboard.y};
    ClientToScreen(Handle(), &at);
    return {at.x, at.y};
}

TPopupMenu* TWinControl::PopupMenu() const {
    if (popupMenuName_.empty())
        return nullptr;
    for (const TComponent* c = this; c; c = c->Owner())
        if (auto* menu = dynamic_cast<TPopupMenu*>(c->FindComponent(popupMenuName_)))
            return menu;
    return nullptr;
}

void TWinControl::CaptureChanged(HWND) {
    Default();
}
void TWinControl::Command(WORD) {}
bool TWinControl::DrawItem(const DRAWITEMSTRUCT&) {
    return false;
}
