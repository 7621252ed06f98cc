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

constexpr TControlMessageEntry On(UINT msg, bool (*handle)(TWinControl&, TMessage&)) {
    return {msg, msg, handle};
}

// A mouse button's message to its typed handler, with the button it is for.
using MouseButtonHandler = void (TWinControl::*)(TMouseButton, unsigned, TPoint);
template <MouseButtonHandler Handler, TMouseButton Button>
bool MouseButtonMessage(TWinControl& c, TMessage& m) {
    (c.*Handler)(Button, unsigned(m.wParam), PointOf(m.lParam));
    return true;
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
    if (!handle_ || (m.msg >= CM_BASE && m.msg < CN_BASE + 0x400)) {
        return;
    }
    m.result = IsWindowUnicode(handle_) ? CallWindowProcW(defProc_, handle_, m.msg, m.wParam, m.lParam)
                                        : CallWindowProcA(defProc_, handle_, m.msg, m.wParam, m.lParam);
}

void TWinControl::Default() {
    if (current_)
        DefaultHandler(*current_);
}

const TControlMessageMap& TWinControl::ClassMessages() {
    using C = TWinControl;
    using M = TMessage;
    static const TControlMessageEntry entries[] = {
        On(WM_LBUTTONDOWN, MouseButtonMessage<&C::MouseDown, mbLeft>),
        On(WM_RBUTTONDOWN, MouseButtonMessage<&C::MouseDown, mbRight>),
        On(WM_MBUTTONDOWN, MouseButtonMessage<&C::MouseDown, mbMiddle>),
        On(WM_LBUTTONUP, MouseButtonMessage<&C::MouseUp, mbLeft>),
        On(WM_RBUTTONUP, MouseButtonMessage<&C::MouseUp, mbRight>),
        On(WM_MBUTTONUP, MouseButtonMessage<&C::MouseUp, mbMiddle>),
        On(WM_LBUTTONDBLCLK, MouseButtonMessage<&C::DblClick, mbLeft>),
        On(WM_RBUTTONDBLCLK, MouseButtonMessage<&C::DblClick, mbRight>),
        On(WM_MBUTTONDBLCLK, MouseButtonMessage<&C::DblClick, mbMiddle>),
        On(WM_MOUSEMOVE, [](C& c, M& m) { return c.MouseMove(unsigned(m.wParam), PointOf(m.lParam)), true; }),
        On(CM_MOUSELEAVE, [](C& c, M&) { return c.MouseLeave(), true; }),
        On(WM_KEYDOWN, [](C& c, M& m) { return c.KeyDown(UINT(m.wParam), m.lParam), true; }),
        On(WM_CONTEXTMENU, [](C& c, M& m) { return c.ContextMenu(PointOf(m.lParam)), true; }),
        On(WM_SETFOCUS, [](C& c, M& m) { return c.FocusIn(reinterpret_cast<HWND>(m.wParam)), true; }),
        On(WM_KILLFOCUS, [](C& c, M& m) { return c.FocusOut(reinterpret_cast<HWND>(m.wParam)), true; }),
        On(WM_CAPTURECHANGED,
           [](C& c, M& m) { return c.CaptureChanged(reinterpret_cast<HWND>(m.lParam)), true; }),
        On(WM_ERASEBKGND,
           [](C& c, M& m) {
               m.result = 1;
               c.EraseBackground(reinterpret_cast<HDC>(m.wParam));
               return true;
           }),
        On(WM_PAINT, [](C& c, M&) { return c.PaintOwnClass(); }),
        On(WM_PRINTCLIENT, [](C& c, M& m) { return c.PrintOwnClass(m); }),
        On(WM_WINDOWPOSCHANGED,
           [](C& c, M& m) {
               c.DefaultHandler(m);
               c.UpdateBoundsFromWindow();
               return true;
           }),
        On(WM_GETOBJECT, [](C& c, M& m) { return g_accessibleObject && g_accessibleObject(c, m); }),

        // What the control's window notifies its parent of goes back to the child that sent it.
        On(WM_COMMAND,
           [](C& c, M& m) { return m.lParam && c.ReflectToChild(m, reinterpret_cast<HWND>(m.lParam)); }),
        On(WM_DRAWITEM,
           [](C& c, M& m) {
               const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
               if (item.CtlType != ODT_MENU)
                   return c.ReflectToChild(m, item.hwndItem);
               m.result = c.DrawMenuItem(item) ? TRUE : FALSE;
               return m.result == TRUE;
           }),
        On(WM_MEASUREITEM,
           [](C& c, M& m) {
               auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam);
               m.result = item.CtlType == ODT_MENU && c.MeasureMenuItem(item) ? TRUE : FALSE;
               return m.result == TRUE;
           }),
        On(WM_CTLCOLOREDIT, [](C& c, M& m) { return c.ReflectToChild(m, reinterpret_cast<HWND>(m.lParam)); }),
        On(WM_CTLCOLORSTATIC,
           [](C& c, M& m) { return c.ReflectToChild(m, reinterpret_cast<HWND>(m.lParam)); }),
        On(WM_CTLCOLORBTN, [](C& c, M& m) { return c.ReflectToChild(m, reinterpret_cast<HWND>(m.lParam)); }),
        On(CN_CTLCOLOREDIT, [](C& c, M& m) { return c.ColorReflected(m); }),
        On(CN_CTLCOLORSTATIC, [](C& c, M& m) { return c.ColorReflected(m); }),
        On(CN_CTLCOLORBTN, [](C& c, M& m) { return c.ColorReflected(m); }),
        On(CN_COMMAND, [](C& c, M& m) { return c.Command(HIWORD(m.wParam)), true; }),
        On(CN_DRAWITEM,
           [](C& c, M& m) {
               m.result = c.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam)) ? TRUE : FALSE;
               return true;
           }),

        // The keyboard step's notifications and the framework's own messages.
        On(CN_KEYDOWN, [](C& c, M& m) { return c.KeyDownNotification(m, true); }),
        On(CN_SYSKEYDOWN, [](C& c, M& m) { return c.KeyDownNotification(m, false); }),
        On(CN_CHAR, [](C& c, M& m) { return c.CharNotification(m, false); }),
        On(CN_SYSCHAR, [](C& c, M& m) { return c.CharNotification(m, true); }),
        On(CM_DIALOGKEY, [](C& c, M& m) { return c.DialogKey(m), true; }),
        On(CM_DIALOGCHAR,
           [](C& c, M& m) {
               m.result = c.DialogChar(char(m.wParam)) ? 1 : 0;
               return true;
           }),
        On(CM_FOCUSCHANGED,
           [](C& c, M& m) {
               c.FocusChanged(reinterpret_cast<TWinControl*>(m.lParam));
               m.result = 0;
               return true;
           }),
        On(CM_ENTER, [](C& c, M&) { return c.DoEnter(), true; }),
        On(CM_EXIT, [](C& c, M&) { return c.DoExit(), true; }),
    };
    static const TControlMessageMap map(nullptr, entries);
    return map;
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
