#include "framework/edit.h"

#include <oleacc.h>

#include <utility>

#include "base/scope_guard.h"
#include "framework/accessible_traits.h"
#include "framework/reader.h"

namespace {

// An entry field's BorderStyle: without a border, or with one.
constexpr std::array kBorderStyleNames{"bsNone", "bsSingle"};

} // namespace

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    SetTabStop(true);
}

void TEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    if (passwordChar_)
        p.style |= ES_PASSWORD;
    if (border_)
        p.exStyle |= WS_EX_CLIENTEDGE;
    p.windowClass = {ClassName(), "EDIT", 0, true};
}

void TEdit::CreateWnd() {
    TWinControl::CreateWnd();
    if (passwordChar_)
        SendMessageA(WindowHandle(), EM_SETPASSWORDCHAR, WPARAM(static_cast<unsigned char>(passwordChar_)),
                     0);
}

void TEdit::SetBorderVisible(bool v) {
    if (v == border_)
        return;
    border_ = v;
    if (HandleAllocated()) {
        const LONG_PTR ex = GetWindowLongPtrA(WindowHandle(), GWL_EXSTYLE);
        SetWindowLongPtrA(WindowHandle(), GWL_EXSTYLE,
                          v ? (ex | WS_EX_CLIENTEDGE) : (ex & ~LONG_PTR(WS_EX_CLIENTEDGE)));
        SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

void TEdit::SetPasswordChar(char c) {
    if (c == passwordChar_)
        return;
    passwordChar_ = c;
    if (HandleAllocated()) {
        SendMessageA(WindowHandle(), EM_SETPASSWORDCHAR, WPARAM(static_cast<unsigned char>(c)), 0);
        Invalidate();
    }
}

SecretText TEdit::TypedText() {
    const ScopedValue<bool> reading(typedTextRead_, true);
    return SecretText::FromWindow(Handle());
}

void TEdit::SelectAll() {
    if (HandleAllocated())
        SendMessageA(WindowHandle(), EM_SETSEL, 0, -1);
}

std::pair<int, int> TEdit::Selection() const {
    DWORD start = 0;
    DWORD end = 0;
    if (WindowHandle())
        SendMessageA(WindowHandle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
    return {int(start), int(end)};
}

void TEdit::DoEnter() {
    if (autoSelect_ && !(ControlState() & csLButtonDown))
        SelectAll();
}

void TEdit::DescribeAccessible(AccessibleTraits& traits) const {
    traits.role = ROLE_SYSTEM_TEXT;
    // A masked field's text is never its name: unless given one, it has none.
    if (passwordChar_) {
        traits.name.emplace();
        traits.secret = true;
    }
    TWinControl::DescribeAccessible(traits);
}

DEFINE_MESSAGE_MAP(TEdit, OnMessage<&TEdit::TextAsked>(WM_GETTEXT),
                   OnMessage<&TEdit::TextLengthAsked>(WM_GETTEXTLENGTH),
                   OnMessage<&TEdit::TextLengthAsked>(EM_GETLINE))

// A masked field gives its text to no other thread or program, as the platform's own password
// fields do; the program reads it with TypedText.
bool TEdit::RefusesText() const {
    return passwordChar_ && !typedTextRead_ && InSendMessageEx(nullptr) != ISMEX_NOSEND;
}

bool TEdit::TextAsked(TMessage& m) {
    if (!RefusesText())
        return false;
    if (m.wParam > 0) {
        if (IsWindowUnicode(WindowHandle()))
            *reinterpret_cast<wchar_t*>(m.lParam) = L'\0';
        else
            *reinterpret_cast<char*>(m.lParam) = '\0';
    }
    m.result = 0;
    return true;
}

bool TEdit::TextLengthAsked(TMessage& m) {
    if (!RefusesText())
        return false;
    m.result = 0;
    return true;
}

void TEdit::Command(WORD notification) {
    // A masked field keeps no copy of its text: the password stays in the window alone.
    if (notification != EN_CHANGE || passwordChar_)
        return;
    const int n = GetWindowTextLengthA(WindowHandle());
    std::string text(size_t(n) + 1, '\0');
    GetWindowTextA(WindowHandle(), text.data(), n + 1);
    text.resize(size_t(n));
    StoreText(std::move(text));
}

bool TEdit::ReadProperty(TReader& reader, const DescProperty& p) {
    if (p.name == "BorderStyle")
        SetBorderVisible(reader.Enumeration<int>(p, kBorderStyleNames) == 1);
    else if (p.name == "PasswordChar") {
        const std::string c = reader.Text(p);
        if (c.size() > 1)
            reader.Invalid(p, "One character expected");
        SetPasswordChar(c.empty() ? '\0' : c[0]);
    } else if (p.name == "AutoSelect")
        SetAutoSelect(reader.Boolean(p));
    else
        return TWinControl::ReadProperty(reader, p);
    return true;
}
