#pragma once
// The visual-style marker: a non-visual component whose only behaviour is its construction
// check. Visual styles themselves come from the program's manifest.

#include "framework/component.h"

class TWinXP : public TComponent {
  public:
    // Raises when the owner is not a form, or already holds another TWinXP.
    explicit TWinXP(TComponent* owner);
    const char* ClassName() const override { return "TWinXP"; }
};
