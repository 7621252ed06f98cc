#pragma once
// The flat push button of the window descriptions.

#include "controls/cx_custom_button.h"

class TcxButton : public TcxCustomButton {
  public:
    using TcxCustomButton::TcxCustomButton;
    const char* ClassName() const override { return "TcxButton"; }
};
