#pragma once
// What assistive technology reads of a windowed control: the platform's standard accessible
// object for its window, with the name and role the control gives in place of the platform's
// guesses (which, for the framework's own window classes, are the generic client role and the
// window's text as the name).

#include <windows.h>

#include <optional>
#include <string>

#include "framework/messages.h"

class TWinControl;

// IAccessible's identifier. MinGW's import library gives IID_IAccessible as a DLL data import,
// which read as plain data is the import thunk: every request for the interface then fails.
extern const IID kIidAccessible;

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

// Answers WM_GETOBJECT for the control's client object when the control describes itself;
// returns false to leave the message to the platform.
bool AnswerAccessibleObject(TWinControl& control, TMessage& m);
