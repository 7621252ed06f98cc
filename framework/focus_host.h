#pragma once
// What a control asks of the form it sits on. Declared below the form, so that the control layer
// does not depend on it: the form implements it, and a control finds it at the root of its
// parents (TWinControl::FocusHost).

#include <windows.h>

class TForm;
class TWinControl;

class IFocusHost {
  public:
    // The form itself, for code above the control layer (TWinControl::ParentForm).
    virtual TForm* HostForm() = 0;

    // The control that has, or will get, the focus in the form.
    virtual TWinControl* ActiveControl() const = 0;
    // Focuses a control of the form, or records it to be focused when the form is activated.
    virtual void FocusControl(TWinControl* control) = 0;

    // A control of the form was focused, hidden or removed: the active control follows.
    virtual void ControlFocused(TWinControl* control) = 0;
    virtual void ControlHidden(TWinControl* control) = 0;
    virtual void ControlRemoved(TWinControl* control) = 0;

    // A key press offered to the form before the focused control sees it; true when used.
    virtual bool PreviewKey(WPARAM key) = 0;
    // A dialog key or character the focused control did not take (navigation, Enter, Escape,
    // an accelerator letter); true when a control of the form used it.
    virtual bool OfferDialogKey(WPARAM key, LPARAM keyData) = 0;
    virtual bool OfferDialogChar(WPARAM character, LPARAM keyData) = 0;

  protected:
    ~IFocusHost() = default;
};
