// The form's side of the focus seam: its active control, the embedded control that is UI-active,
// and the dialog keys that move the focus.
#include "framework/form.h"

#include <utility>

void TForm::FocusControl(TWinControl* control) {
    if (!control->CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (Showing() && WindowHandle())
        ::SetFocus(control->Handle());
}

void TForm::SetActiveOleControl(TWinControl* control) {
    TWinControl* previous = std::exchange(activeOleControl_, control);
    if (previous && control && previous != control)
        previous->Perform(CM_UIDEACTIVATE);
}

void TForm::ControlFocused(TWinControl* control) {
    if (control == this)
        return;
    if (activeOleControl_ && activeOleControl_ != control)
        activeOleControl_->Perform(CM_UIDEACTIVATE);
    activeControl_ = control;
    TWinControl* previous = std::exchange(focusedControl_, control);
    if (previous != control) {
        if (previous)
            previous->Perform(CM_EXIT);
        control->Perform(CM_ENTER);
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TForm::ControlRemoved(TWinControl* control) {
    if (activeControl_ == control)
        activeControl_ = nullptr;
    if (focusedControl_ == control)
        focusedControl_ = nullptr;
    if (activeOleControl_ == control)
        activeOleControl_ = nullptr;
}

void TForm::ControlHidden(TWinControl* control) {
    for (const TWinControl* c = activeControl_; c; c = c->Parent()) {
        if (c == control) {
            const bool hadFocus = activeControl_->Focused();
            activeControl_ = nullptr;
            focusedControl_ = nullptr;
            if (hadFocus && WindowHandle())
                ::SetFocus(WindowHandle());
            return;
        }
    }
}

void TForm::SelectFirst() {
    if (TWinControl* c = FindNextControl(nullptr, true, true, false))
        c->SetFocus();
    else if (WindowHandle())
        ::SetFocus(WindowHandle());
}

void TForm::ActivateFocus() {
    if (activeControl_ && activeControl_->CanFocus())
        ::SetFocus(activeControl_->Handle());
    else
        SelectFirst();
    UIActivateFocusedControl();
}

void TForm::UIActivateFocusedControl() {
    // An embedded control that lost its UI activation while the form was inactive gets it back
    // with the focus; other controls ignore the message.
    if (activeControl_ && activeControl_ != activeOleControl_)
        activeControl_->Perform(CM_UIACTIVATE);
}

void TForm::DialogKey(TMessage& m) {
    // Nothing is a dialog key while Alt is down.
    if (GetKeyState(VK_MENU) < 0) {
        m.result = 0;
        return;
    }
    switch (m.wParam) {
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
            SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
            m.result = 1;
            return;
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (activeControl_ && activeControl_->Parent()) {
            activeControl_->Parent()->SelectNext(activeControl_, m.wParam == VK_RIGHT || m.wParam == VK_DOWN,
                                                 false);
            m.result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TWinControl::DialogKey(m);
}
