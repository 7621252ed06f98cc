#include "framework/win_control.h"

#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "base/win/ansi.h"
#include "base/win/solid_fill.h"
#include "framework/accessible_object.h"
#include "framework/colors_win.h"
#include "framework/form.h"
#include "framework/popup_menu.h"
#include "framework/reader.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Leaves the parent while still a windowed control, so the form forgets it as its focused
    // control and the parent drops it from its tab order.
    if (Parent())
        Parent()->RemoveControl(this);
    DestroyHandle();
    while (!controls_.empty()) {
        TControl* last = controls_.back();
        RemoveControl(last);
        delete last;
    }
}

HWND TWinControl::Handle() {
    if (!handle_)
        CreateHandle();
    return handle_;
}

void TWinControl::CreateHandle() {
    if (handle_)
        return;
    if (Parent())
        Parent()->HandleNeeded();
    CreateWnd();
    UpdateZOrder();
    SendMessageA(handle_, WM_SETFONT, WPARAM(Font().Handle()), 0);
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->UpdateShowing();
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.caption = Text();
    p.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (Visible())
        p.style |= WS_VISIBLE;
    if (!Enabled())
        p.style |= WS_DISABLED;
    p.x = Left();
    p.y = Top();
    p.width = Width();
    p.height = Height();
    p.parent = Parent() ? Parent()->Handle() : nullptr;
    p.windowClass = {ClassName(), nullptr, CS_DBLCLKS};
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    SetDefaultProc(EnsureWindowClass(p.windowClass), p.windowClass.baseClass == nullptr);
    SetCreatingControl(this);
    const HWND h =
        p.windowClass.unicode
            ? CreateWindowExW(p.exStyle, AnsiToWide(p.windowClass.name).c_str(),
                              AnsiToWide(p.caption).c_str(), p.style, p.x, p.y, p.width, p.height, p.parent,
                              nullptr, GetModuleHandleA(nullptr), nullptr)
            : CreateWindowExA(p.exStyle, p.windowClass.name, p.caption.c_str(), p.style, p.x, p.y, p.width,
                              p.height, p.parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetCreatingControl(nullptr);
    if (!h)
        throw Exception("Error creating window " + Name() + " (" + std::to_string(GetLastError()) + ")");
    handle_ = h;
}

void TWinControl::AttachHandle(HWND hwnd) {
    handle_ = hwnd;
}

void TWinControl::DestroyHandle() {
    if (handle_)
        DestroyWnd();
}

void TWinControl::DestroyWnd() {
    if (handle_)
        DestroyWindow(handle_);
}

void TWinControl::HandleDestroyed(HWND) {
    handle_ = nullptr;
    showing_ = false;
}

bool TWinControl::ShouldShow() const {
    return Visible() && Parent() && Parent()->Showing();
}

void TWinControl::UpdateShowing() {
    const bool show = ShouldShow();
    if (show && !handle_)
        CreateHandle();
    if (show == showing_)
        return;
    showing_ = show;
    // A child that cannot be shown (an embedded control that fails to start) keeps its
    // siblings from nothing: they all show, then the first failure is raised.
    std::exception_ptr failure;
    for (TControl* c : controls_) {
        if (auto* w = dynamic_cast<TWinControl*>(c)) {
            try {
                w->UpdateShowing();
            } catch (...) {
                if (!failure)
                    failure = std::current_exception();
            }
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

void TWinControl::UpdateZOrder() {
    if (!handle_ || !Parent())
        return;
    const auto& siblings = Parent()->controls_;
    auto it = std::find(siblings.begin(), siblings.end(), static_cast<TControl*>(this));
    HWND above = HWND_TOP;
    for (++it; it != siblings.end(); ++it) {
        auto* w = dynamic_cast<TWinControl*>(*it);
        if (w && w->handle_) {
            above = w->handle_;
            break;
        }
    }
    SetWindowPos(handle_, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == Parent())
        return;
    if (handle_ && !parent)
        DestroyHandle();
    TControl::SetParent(parent);
    if (parent && parent->Showing())
        UpdateShowing();
}

void TWinControl::InsertControl(TControl* c) {
    controls_.push_back(c);
    c->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(c))
        tabList_.push_back(w);
    if (c->Align() != alNone)
        AlignControls();
}

void TWinControl::RemoveControl(TControl* c) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
        if (TForm* form = ParentForm())
            form->ControlRemoved(w);
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    c->parent_ = nullptr;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (left == Left() && top == Top() && width == Width() && height == Height())
        return;
    if (!handle_) {
        StoreBounds(left, top, width, height);
        return;
    }
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBoundsFromWindow();
}

void TWinControl::UpdateBoundsFromWindow() {
    if (!handle_)
        return;
    RECT r;
    GetWindowRect(handle_, &r);
    if (!IsTopLevel()) {
        const HWND parent = GetParent(handle_);
        if (parent)
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    } else if (IsIconic(handle_) || IsZoomed(handle_)) {
        return;
    }
    if (r.left != Left() || r.top != Top() || r.right - r.left != Width() || r.bottom - r.top != Height())
        StoreBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TWinControl::BoundsChanged() {
    AlignControls();
}

void TWinControl::AlignControls() {
    TRect area = ClientRect();
    for (TControl* c : controls_) {
        switch (c->Align()) {
        case alNone:
            break;
        case alTop:
            c->SetBounds(area.left, area.top, area.Width(), c->Height());
            area.top += c->Height();
            break;
        case alBottom:
            c->SetBounds(area.left, area.bottom - c->Height(), area.Width(), c->Height());
            area.bottom -= c->Height();
            break;
        case alLeft:
            c->SetBounds(area.left, area.top, c->Width(), area.Height());
            area.left += c->Width();
            break;
        case alRight:
            c->SetBounds(area.right - c->Width(), area.top, c->Width(), area.Height());
            area.right -= c->Width();
            break;
        case alClient:
            c->SetBounds(area.left, area.top, area.Width(), area.Height());
            break;
        }
    }
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    if (handle_) {
        SendMessageA(handle_, WM_SETFONT, WPARAM(Font().Handle()), TRUE);
        Invalidate();
    }
    for (TControl* c : controls_)
        if (c->ParentFont())
            c->ParentFontChanged();
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    Invalidate();
    for (TControl* c : controls_)
        if (c->ParentColor())
            c->ParentColorChanged();
}

void TWinControl::TextChanged() {
    if (!handle_)
        return;
    SetWindowTextA(handle_, Text().c_str());
    // A screen reader announces a caption that changes, as it does for the platform's controls.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, handle_, OBJID_CLIENT, CHILDID_SELF);
}

void TWinControl::DescribeAccessible(AccessibleTraits& traits) const {
    if (accessibleName_)
        traits.name = AnsiToWide(*accessibleName_);
}

void TWinControl::VisibleChanged() {
    if (handle_ && !IsTopLevel())
        ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
    if (!Visible())
        if (TForm* form = ParentForm())
            form->ControlHidden(this);
    UpdateShowing();
}

void TWinControl::EnabledChanged() {
    if (handle_)
        EnableWindow(handle_, Enabled());
}

void TWinControl::Invalidate() {
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
    if (handle_)
        UpdateWindow(handle_);
}

void TWinControl::Broadcast(TMessage& m) {
    for (TControl* c : controls_) {
        c->WndProc(m);
        if (m.result)
            return;
    }
}

void TWinControl::DefaultHandler(TMessage& m) {
    // The framework's own messages mean nothing to a window class's procedure.
    if (!handle_ || (m.msg >= CM_BASE && m.msg < CN_BASE + 0x400)) {
        return;
    }
    m.result = IsWindowUnicode(handle_) ? CallWindowProcW(defProc_, handle_, m.msg, m.wParam, m.lParam)
                                        : CallWindowProcA(defProc_, handle_, m.msg, m.wParam, m.lParam);
}

void TWinControl::EraseBackground(HDC dc) {
    if (!ownClass_) {
        Default();
        return;
    }
    RECT r;
    GetClientRect(handle_, &r);
    FillSolid(dc, {0, 0, r.right, r.bottom}, ColorToRGB(Color()));
}

void TWinControl::Paint(HDC) {}

void TWinControl::ReflectToChild(TMessage& m, HWND child) {
    TWinControl* c = FindControl(child);
    if (c && c != this) {
        m.result = c->Perform(CN_BASE + m.msg, m.wParam, m.lParam);
        return;
    }
    DefaultHandler(m);
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

void TWinControl::FocusIn(HWND) {
    if (TForm* form = ParentForm())
        form->ControlFocused(this);
    Default();
}

void TWinControl::FocusOut(HWND) {
    Default();
}
void TWinControl::CaptureChanged(HWND) {
    Default();
}
void TWinControl::Command(WORD) {}
bool TWinControl::DrawItem(const DRAWITEMSTRUCT&) {
    return false;
}

void TWinControl::FocusChanged(TWinControl* focused) {
    TMessage m{CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(focused), 0};
    Broadcast(m);
}

bool TWinControl::DialogChar(char c) {
    TMessage m{CM_DIALOGCHAR, WPARAM(static_cast<unsigned char>(c)), 0, 0};
    Broadcast(m);
    return m.result != 0;
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

void TWinControl::CharNotification(TMessage& m) {
    // A character the focused control does not take as input, or any character typed with
    // Alt, may be an accelerator of a control of the form.
    m.result = 0;
    const bool alt = m.msg == CN_SYSCHAR;
    if (!alt && (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) != 0)
        return;
    if (TForm* form = ParentForm())
        m.result = form->Perform(CM_DIALOGCHAR, m.wParam, m.lParam) != 0 ? 1 : 0;
}

void TWinControl::KeyDownNotification(TMessage& m) {
    if (TForm* form = ParentForm(); form && m.msg == CN_KEYDOWN && form->PreviewKey(m.wParam)) {
        m.result = 1;
        return;
    }
    UINT mask = 0;
    switch (m.wParam) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        break;
    }
    m.result = 0;
    if (!mask || Perform(CM_WANTSPECIALKEY, m.wParam, m.lParam) != 0 || (Perform(WM_GETDLGCODE) & mask) != 0)
        return;
    if (TForm* form = ParentForm())
        m.result = form->Perform(CM_DIALOGKEY, m.wParam, m.lParam) != 0 ? 1 : 0;
}

void TWinControl::DialogKey(TMessage& m) {
    Broadcast(m);
}

bool TWinControl::ReadProperty(TReader& reader, const DescProperty& p) {
    if (p.name == "TabOrder")
        SetTabOrder(reader.Integer(p));
    else if (p.name == "TabStop")
        SetTabStop(reader.Boolean(p));
    else if (p.name == "PopupMenu")
        SetPopupMenu(reader.Identifier(p));
    else
        return TControl::ReadProperty(reader, p);
    return true;
}

void TWinControl::ChangeScale(int m, int d) {
    TControl::ChangeScale(m, d);
    for (TControl* c : controls_)
        c->ChangeScale(m, d);
}
