#pragma once
// A plain form to hold the picture boxes under test, and a pump for their messages.

#include "framework/form.h"

class TImageForm : public TForm {
  public:
    using TForm::TForm;
    const char* ClassName() const override { return "TImageForm"; }
};

inline void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}
