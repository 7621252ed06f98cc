#pragma once
// What a control tells assistive technology about itself, and the seam through which its window
// answers for an accessible object. The control layer includes only this header; the form layer
// attaches the accessible object, so that controls do not depend on it.

#include <windows.h>

#include <optional>
#include <string>

#include "framework/messages.h"

class TWinControl;

struct AccessibleTraits {
    // A ROLE_SYSTEM_* value; 0 keeps the platform's role.
    long role = 0;
    // The name a sighted user would give the control. Unset keeps the platform's name; empty
    // means the control has no name.
    std::optional<std::wstring> name;
    // The control's text is secret: it is never given as the value.
    bool secret = false;

    bool ChangesAnything() const { return role != 0 || name || secret; }
};

// Answers WM_GETOBJECT for a control; false leaves the message to the platform.
using AccessibleObjectAnswer = bool (*)(TWinControl& control, TMessage& m);
// Every control's window answers WM_GETOBJECT through `answer` from now on.
void AttachAccessibleObject(AccessibleObjectAnswer answer);
