// Children, their order and the messages passed down to them, of windowed controls.
#include "framework/win_control.h"

#include <algorithm>

#include "framework/focus_host.h"

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
        if (IFocusHost* host = FocusHost())
            host->ControlRemoved(w);
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    c->parent_ = nullptr;
}

void TWinControl::Broadcast(TMessage& m) {
    for (TControl* c : controls_) {
        c->WndProc(m);
        if (m.result)
            return;
    }
}

void TWinControl::ReflectToChild(TMessage& m, HWND child) {
    TWinControl* c = FindControl(child);
    if (c && c != this) {
        m.result = c->Perform(CN_BASE + m.msg, m.wParam, m.lParam);
        return;
    }
    DefaultHandler(m);
}
