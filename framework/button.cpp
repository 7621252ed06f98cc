#include "framework/button.h"

#include <oleacc.h>

#include "base/text.h"
#include "base/win/ansi.h"
#include "framework/accessible_traits.h"

#include "framework/focus_host.h"
#include "framework/reader.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    SetColor(clBtnFace);
}

void TButton::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.style |= WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    p.windowClass = {ClassName(), "BUTTON", 0};
}

void TButton::CreateWnd() {
    TWinControl::CreateWnd();
    active_ = default_;
}

void TButton::SetDefault(bool v) {
    default_ = v;
    if (HandleAllocated()) {
        IFocusHost* host = FocusHost();
        if (!host || !dynamic_cast<TButton*>(host->ActiveControl())) {
            active_ = v;
            SetButtonStyle(v);
        }
    }
}

void TButton::SetButtonStyle(bool active) {
    if (HandleAllocated())
        SendMessageA(WindowHandle(), BM_SETSTYLE, active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
    if (OnClick)
        OnClick(this);
}

void TButton::DescribeAccessible(AccessibleTraits& traits) const {
    traits.role = ROLE_SYSTEM_PUSHBUTTON;
    traits.name = AnsiToWide(WithoutAccessKeyMarks(Text()));
    TWinControl::DescribeAccessible(traits);
}

void TButton::Command(WORD notification) {
    if (notification == BN_CLICKED)
        Click();
}

void TButton::FocusChanged(TWinControl* focused) {
    const bool active = dynamic_cast<TButton*>(focused) ? focused == this : default_;
    if (active != active_) {
        active_ = active;
        SetButtonStyle(active);
    }
}

void TButton::DialogKey(TMessage& m) {
    // Enter and Escape click only without Shift, Ctrl or Alt, and only a button that could
    // take the focus.
    const bool modifiers =
        GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || (m.lParam & kKeyDataAltDown);
    const bool key = (m.wParam == VK_RETURN && active_) || (m.wParam == VK_ESCAPE && cancel_);
    if (key && !modifiers && CanFocus()) {
        Click();
        m.result = 1;
        return;
    }
    TWinControl::DialogKey(m);
}

bool TButton::DialogChar(char c) {
    if (IsAccelerator(c, Text()) && CanFocus()) {
        Click();
        return true;
    }
    return TWinControl::DialogChar(c);
}

bool TButton::ReadProperty(TReader& reader, const DescProperty& p) {
    if (p.name == "Default")
        SetDefault(reader.Boolean(p));
    else if (p.name == "Cancel")
        SetCancel(reader.Boolean(p));
    else if (p.name == "OnClick")
        OnClick = reader.Method<TNotifyEvent>(p);
    else
        return TWinControl::ReadProperty(reader, p);
    return true;
}
