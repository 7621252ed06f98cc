// Windowed controls: creation and destruction of their windows, and whether they show.
#include "framework/win_control.h"

#include <exception>

#include "base/win/ansi.h"
#include "framework/focus_host.h"
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

void TWinControl::VisibleChanged() {
    if (handle_ && !IsTopLevel())
        ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
    if (!Visible())
        if (IFocusHost* host = FocusHost())
            host->ControlHidden(this);
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
