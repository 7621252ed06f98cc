// Tab order, focus and dialog keys of controls.
#include <algorithm>

#include "framework/focus_host.h"
#include "framework/win_control.h"

IFocusHost* TWinControl::FocusHost() const {
    const TWinControl* root = this;
    while (root->parent_)
        root = root->parent_;
    return const_cast<TWinControl*>(root)->AsFocusHost();
}

TForm* TWinControl::ParentForm() const {
    IFocusHost* host = FocusHost();
    return host ? host->HostForm() : nullptr;
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabList_;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    // While a description is read the stored orders are kept and applied once all siblings
    // exist, since a sibling with a lower order may be created later.
    storedTabOrder_ = order;
    if (Loading() || !Parent())
        return;
    auto& list = Parent()->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    const size_t at = size_t(std::clamp(order, 0, int(list.size())));
    list.insert(list.begin() + at, this);
}

bool TWinControl::CanFocus() const {
    if (!FocusHost())
        return false;
    // Every parent up to the form, which is the root, and the control itself.
    for (const TWinControl* c = this; c->Parent(); c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

void TWinControl::SetFocus() {
    if (IFocusHost* host = FocusHost()) {
        host->FocusControl(this);
        return;
    }
    if (handle_)
        ::SetFocus(handle_);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    const int n = int(list.size());
    if (n == 0)
        return nullptr;
    int start = int(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == n)
        start = forward ? n - 1 : 0;
    int i = start;
    do {
        i = forward ? (i + 1) % n : (i + n - 1) % n;
        TWinControl* c = list[size_t(i)];
        if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) && c->CanFocus())
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* c = FindNextControl(current, forward, checkTabStop, !checkTabStop))
        c->SetFocus();
}

void TWinControl::FocusIn(HWND) {
    if (IFocusHost* host = FocusHost())
        host->ControlFocused(this);
    Default();
}

void TWinControl::FocusOut(HWND) {
    Default();
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

bool TWinControl::CharNotification(TMessage& m, bool alt) {
    // A character the focused control does not take as input, or any character typed with
    // Alt, may be an accelerator of a control of the form.
    m.result = 0;
    if (!alt && (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) != 0)
        return true;
    if (IFocusHost* host = FocusHost())
        m.result = host->OfferDialogChar(m.wParam, m.lParam) ? 1 : 0;
    return true;
}

bool TWinControl::KeyDownNotification(TMessage& m, bool preview) {
    if (IFocusHost* host = FocusHost(); host && preview && host->PreviewKey(m.wParam)) {
        m.result = 1;
        return true;
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
        return true;
    if (IFocusHost* host = FocusHost())
        m.result = host->OfferDialogKey(m.wParam, m.lParam) ? 1 : 0;
    return true;
}

void TWinControl::DialogKey(TMessage& m) {
    Broadcast(m);
}
