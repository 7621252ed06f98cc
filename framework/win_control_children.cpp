// Children, their order and the messages passed down to them, of controls.
#include "framework/win_control.h"

#include <algorithm>

#include "framework/focus_host.h"

void TWinControl::UpdateZOrder() {
    if (!handle_ || !Parent())
        return;
    const auto& siblings = Parent()->controls_;
    auto it = std::find(siblings.begin(), siblings.end(), this);
    HWND above = HWND_TOP;
    for (++it; it != siblings.end(); ++it) {
        if ((*it)->handle_) {
            above = (*it)->handle_;
            break;
        }
    }
    SetWindowPos(handle_, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    if (handle_ && !parent)
        DestroyHandle();
    if (parent_)
        parent_->RemoveControl(this);
    if (!parent)
        return;
    parent->InsertControl(this);
    if (parentFont_)
        ParentFontChanged();
    if (parentColor_)
        ParentColorChanged();
    if (parent->Showing())
        UpdateShowing();
}

void TWinControl::InsertControl(TWinControl* c) {
    controls_.push_back(c);
    c->parent_ = this;
    tabList_.push_back(c);
    if (c->Align() != alNone)
        AlignControls();
}

void TWinControl::RemoveControl(TWinControl* c) {
    if (IFocusHost* host = FocusHost())
        host->ControlRemoved(c);
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), c), tabList_.end());
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    c->parent_ = nullptr;
}

void TWinControl::Broadcast(TMessage& m) {
    for (TWinControl* c : controls_) {
        c->WndProc(m);
        if (m.result)
            return;
    }
}

bool TWinControl::ReflectToChild(TMessage& m, HWND child) {
    TWinControl* c = FindControl(child);
    if (!c || c == this)
        return false;
    m.result = c->Perform(CN_BASE + m.msg, m.wParam, m.lParam);
    return true;
}
