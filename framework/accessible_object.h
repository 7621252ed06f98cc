#pragma once
// What assistive technology reads of a control: the platform's standard accessible
// object for its window, with the name and role the control gives in place of the platform's
// guesses (which, for the framework's own window classes, are the generic client role and the
// window's text as the name).

#include <windows.h>

#include "framework/accessible_traits.h"

class TWinControl;

// IAccessible's identifier. MinGW's import library gives IID_IAccessible as a DLL data import,
// which read as plain data is the import thunk: every request for the interface then fails.
extern const IID kIidAccessible;

// Answers WM_GETOBJECT for the control's client object when the control describes itself;
// returns false to leave the message to the platform.
bool AnswerAccessibleObject(TWinControl& control, TMessage& m);
