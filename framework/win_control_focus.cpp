// Tab order and focus of windowed controls.
#include <algorithm>
#include <climits>

#include "framework/form.h"
#include "framework/popup_menu.h"
#include "framework/reader.h"
#include "framework/win_control.h"

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

void TWinControl::Loaded() {
    TControl::Loaded();
    if (!popupMenuName_.empty() && !PopupMenu())
        throw EReadError("Invalid PopupMenu " + popupMenuName_ + " of " + Name());
    std::stable_sort(tabList_.begin(), tabList_.end(), [](const TWinControl* a, const TWinControl* b) {
        const int ka = a->storedTabOrder_ < 0 ? INT_MAX : a->storedTabOrder_;
        const int kb = b->storedTabOrder_ < 0 ? INT_MAX : b->storedTabOrder_;
        return ka < kb;
    });
}

bool TWinControl::CanFocus() const {
    const TForm* form = ParentForm();
    if (!form)
        return false;
    for (const TControl* c = this; c && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

void TWinControl::SetFocus() {
    if (TForm* form = ParentForm()) {
        form->FocusControl(this);
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
