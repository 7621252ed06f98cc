#include "framework/edit.h"

#include <oleacc.h>

#include <algorithm>
#include <string>
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
    const ScopedValue<bool> own(ownRequest_, true);
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
        const ScopedValue<bool> own(ownRequest_, true);
        SendMessageA(WindowHandle(), EM_SETPASSWORDCHAR, WPARAM(static_cast<unsigned char>(c)), 0);
        Invalidate();
    }
}

SecretText TEdit::TypedText() {
    const ScopedValue<bool> reading(ownRequest_, true);
    return SecretText::FromWindow(Handle());
}

void TEdit::WipeText() {
    if (!HandleAllocated())
        return;
    const HWND h = WindowHandle();
    const ScopedValue<bool> own(ownRequest_, true);
    // As long as the longest text the field held, and no longer, so that the buffer is
    // overwritten where it is rather than grown into a new one (emptying only moves the end).
    const int length = std::max({longestText_, GetWindowTextLengthW(h), GetWindowTextLengthA(h)});
    const std::wstring filler(size_t(length), L'*');
    SetWindowTextW(h, filler.c_str());
    // Deleting the filler as an undoable edit writes it over what earlier deletions left in the
    // undo buffer.
    SendMessageW(h, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(h, EM_SETSEL, 0, -1);
    SendMessageW(h, EM_REPLACESEL, TRUE, LPARAM(L""));
    SendMessageW(h, EM_EMPTYUNDOBUFFER, 0, 0);
    longestText_ = 0;
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
                   OnMessage<&TEdit::TextLengthAsked>(EM_GETLINE),
                   OnMessage<&TEdit::ForeignRequest>(EM_SETPASSWORDCHAR),
                   OnMessage<&TEdit::ForeignRequest>(EM_GETHANDLE),
                   OnMessage<&TEdit::ForeignRequest>(EM_SETHANDLE), OnMessage<&TEdit::CopyRequest>(WM_COPY),
                   OnMessage<&TEdit::CopyRequest>(WM_CUT))

// A masked field gives its text to no other thread or program, as the platform's own password
// fields do; the program reads it with TypedText.
bool TEdit::RefusesText() const {
    return passwordChar_ && !ownRequest_ && InSendMessageEx(nullptr) != ISMEX_NOSEND;
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

// The program itself never sends these to a masked field: whoever does, also by posting (which
// cannot be told apart from the user's own input), would unmask it or read its buffer.
bool TEdit::ForeignRequest(TMessage& m) {
    if (!passwordChar_ || ownRequest_)
        return false;
    m.result = 0;
    return true;
}

// A masked field gives its text to nobody, the user included, as the platform's own do.
bool TEdit::CopyRequest(TMessage& m) {
    if (!passwordChar_)
        return false;
    m.result = 0;
    return true;
}

void TEdit::Command(WORD notification) {
    if (notification != EN_CHANGE)
        return;
    // A masked field keeps no copy of its text: the password stays in the window alone. Only
    // its length is noted, for the wipe.
    if (passwordChar_) {
        const ScopedValue<bool> own(ownRequest_, true);
        longestText_ = std::max(
            {longestText_, GetWindowTextLengthW(WindowHandle()), GetWindowTextLengthA(WindowHandle())});
        return;
    }
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
