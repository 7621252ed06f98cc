// Controls: creation and destruction of their windows, whether they show, and the properties
// a window description gives them.
#include "framework/win_control.h"

#include <algorithm>
#include <climits>
#include <exception>

#include "base/win/ansi.h"
#include "framework/focus_host.h"
#include "framework/popup_menu.h"
#include "framework/reader.h"

namespace {

// The font character sets a description names, indexed by their values.
constexpr std::array kCharsetNames{"ANSI_CHARSET", "DEFAULT_CHARSET"};
static_assert(ANSI_CHARSET == 0 && DEFAULT_CHARSET == 1);

} // namespace

TWinControl::TWinControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] { FontChanged(); };
}

TWinControl::~TWinControl() {
    font_.OnChange = nullptr;
    // Leaves the parent first, so the form forgets it as its focused control and the parent
    // drops it from its tab order.
    if (parent_)
        parent_->RemoveControl(this);
    DestroyHandle();
    while (!controls_.empty()) {
        TWinControl* last = controls_.back();
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
    for (TWinControl* c : controls_)
        c->UpdateShowing();
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
    for (TWinControl* c : controls_) {
        try {
            c->UpdateShowing();
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

void TWinControl::SetVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        VisibleChanged();
    }
}

void TWinControl::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        EnabledChanged();
    }
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

bool TWinControl::ReadProperty(TReader& reader, const DescProperty& p) {
    const std::string& n = p.name;
    if (n == "Left")
        SetLeft(reader.Integer(p));
    else if (n == "Top")
        SetTop(reader.Integer(p));
    else if (n == "Width")
        SetWidth(reader.Integer(p));
    else if (n == "Height")
        SetHeight(reader.Integer(p));
    else if (n == "Visible")
        SetVisible(reader.Boolean(p));
    else if (n == "Enabled")
        SetEnabled(reader.Boolean(p));
    else if (n == "Align")
        SetAlign(reader.Enumeration<TAlign>(p, kAlignNames));
    else if (n == "Color")
        SetColor(reader.Color(p));
    else if (n == "ParentColor")
        SetParentColor(reader.Boolean(p));
    else if (n == "ParentFont")
        SetParentFont(reader.Boolean(p));
    else if (n == "Caption" || n == "Text")
        SetText(reader.Text(p));
    else if (n == "Font.Name")
        font_.SetName(reader.Text(p));
    else if (n == "Font.Height")
        font_.SetHeight(reader.Integer(p));
    else if (n == "Font.Color")
        font_.SetColor(reader.Color(p));
    else if (n == "Font.Charset")
        font_.SetCharset(reader.Enumeration<BYTE>(p, kCharsetNames));
    else if (n == "Font.Style")
        font_.SetStyle(reader.Flags(p, kFontStyleNames));
    else if (n == "TabOrder")
        SetTabOrder(reader.Integer(p));
    else if (n == "TabStop")
        SetTabStop(reader.Boolean(p));
    else if (n == "PopupMenu")
        SetPopupMenu(reader.Identifier(p));
    else
        return TComponent::ReadProperty(reader, p);
    return true;
}

void TWinControl::Loaded() {
    TComponent::Loaded();
    if (!popupMenuName_.empty() && !PopupMenu())
        throw EReadError("Invalid PopupMenu " + popupMenuName_ + " of " + Name());
    std::stable_sort(tabList_.begin(), tabList_.end(), [](const TWinControl* a, const TWinControl* b) {
        const int ka = a->storedTabOrder_ < 0 ? INT_MAX : a->storedTabOrder_;
        const int kb = b->storedTabOrder_ < 0 ? INT_MAX : b->storedTabOrder_;
        return ka < kb;
    });
}
