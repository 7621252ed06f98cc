// Message dispatch of windowed controls: the window procedure, the typed handlers' defaults and
// default handling.
#include "framework/win_control.h"

#include <windowsx.h>

#include <utility>

#include "framework/accessible_object.h"
#include "framework/colors_win.h"
#include "framework/popup_menu.h"

void TWinControl::DefaultHandler(TMessage& m) {
    // The framework's own messages mean nothing to a window class's procedure.
    if (!handle_ || (m.msg >= CM_BASE && m.msg < CN_BASE + 0x400)) {
        return;
    }
    m.result = IsWindowUnicode(handle_) ? CallWindowProcW(defProc_, handle_, m.msg, m.wParam, m.lParam)
                                        : CallWindowProcA(defProc_, handle_, m.msg, m.wParam, m.lParam);
}

namespace {

TPoint PointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// The mouse button of a button message, by its offset from the left button's message.
TMouseButton ButtonOf(UINT msg) {
    switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

} // namespace

bool TWinControl::DispatchTyped(TMessage& m) {
    const unsigned keys = unsigned(m.wParam);
    switch (m.msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        MouseDown(ButtonOf(m.msg), keys, PointOf(m.lParam));
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        MouseUp(ButtonOf(m.msg), keys, PointOf(m.lParam));
        return true;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        DblClick(ButtonOf(m.msg), keys, PointOf(m.lParam));
        return true;
    case WM_MOUSEMOVE:
        MouseMove(keys, PointOf(m.lParam));
        return true;
    case CM_MOUSELEAVE:
        MouseLeave();
        return true;
    case WM_KEYDOWN:
        KeyDown(UINT(m.wParam), m.lParam);
        return true;
    case WM_CONTEXTMENU:
        ContextMenu(PointOf(m.lParam));
        return true;
    case WM_SETFOCUS:
        FocusIn(reinterpret_cast<HWND>(m.wParam));
        return true;
    case WM_KILLFOCUS:
        FocusOut(reinterpret_cast<HWND>(m.wParam));
        return true;
    case WM_CAPTURECHANGED:
        CaptureChanged(reinterpret_cast<HWND>(m.lParam));
        return true;
    case CN_COMMAND:
        Command(HIWORD(m.wParam));
        return true;
    case CN_DRAWITEM:
        m.result = DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam)) ? TRUE : FALSE;
        return true;
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<TWinControl*>(m.lParam));
        m.result = 0;
        return true;
    case CM_DIALOGCHAR:
        m.result = DialogChar(char(m.wParam)) ? 1 : 0;
        return true;
    case WM_ERASEBKGND:
        m.result = 1;
        EraseBackground(reinterpret_cast<HDC>(m.wParam));
        return true;
    default:
        return false;
    }
}

void TWinControl::Default() {
    if (current_)
        DefaultHandler(*current_);
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

void TWinControl::WndProc(TMessage& m) {
    TMessage* const outer = std::exchange(current_, &m);
    struct Restore {
        TMessage*& current;
        TMessage* outer;
        ~Restore() { current = outer; }
    } restore{current_, outer};
    if (DispatchTyped(m))
        return;

    switch (m.msg) {
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        KeyDownNotification(m);
        return;
    case CN_CHAR:
    case CN_SYSCHAR:
        CharNotification(m);
        return;
    case CM_DIALOGKEY:
        DialogKey(m);
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case WM_COMMAND:
        if (m.lParam) {
            ReflectToChild(m, reinterpret_cast<HWND>(m.lParam));
            return;
        }
        break;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
        if (item.CtlType != ODT_MENU) {
            ReflectToChild(m, item.hwndItem);
            return;
        }
        if (DrawMenuItem(item)) {
            m.result = TRUE;
            return;
        }
        break;
    }
    case WM_MEASUREITEM:
        if (reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam)->CtlType == ODT_MENU &&
            MeasureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam))) {
            m.result = TRUE;
            return;
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        ReflectToChild(m, reinterpret_cast<HWND>(m.lParam));
        return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN: {
        const HDC dc = reinterpret_cast<HDC>(m.wParam);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        SetBkColor(dc, ColorToRGB(Color()));
        m.result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        if (!IsSystemColor(Color()) || SystemColorIndex(Color()) != COLOR_WINDOW) {
            SetDCBrushColor(dc, ColorToRGB(Color()));
            m.result = reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
        }
        return;
    }
    case WM_GETOBJECT:
        if (AnswerAccessibleObject(*this, m))
            return;
        break;
    case WM_WINDOWPOSCHANGED:
        DefaultHandler(m);
        UpdateBoundsFromWindow();
        return;
    case WM_PAINT:
        if (ownClass_) {
            PaintDC dc(handle_);
            Paint(dc.Get());
            return;
        }
        break;
    case WM_PRINTCLIENT:
        if (ownClass_) {
            if (m.lParam & PRF_ERASEBKGND)
                EraseBackground(reinterpret_cast<HDC>(m.wParam));
            Paint(reinterpret_cast<HDC>(m.wParam));
            return;
        }
        break;
    default:
        break;
    }
    DefaultHandler(m);
}
