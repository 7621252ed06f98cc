#pragma once
// A plain form to hold the controls under test, a helper placing a control on it, and a pump for
// their messages.

#include "framework/form.h"

class TPlainForm : public TForm {
  public:
    using TForm::TForm;
    const char* ClassName() const override { return "TPlainForm"; }
};

// A new control owned by the form, shown inside `parent` at the given place.
template <typename T>
T* Place(TComponent& owner, TWinControl* parent, int left = 0, int top = 0, int width = 50, int height = 20) {
    auto* control = new T(&owner);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

inline void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Gives the control the focus and lets the messages that follow through.
inline void FocusAndPump(TWinControl* control) {
    control->SetFocus();
    PumpMessages();
}
