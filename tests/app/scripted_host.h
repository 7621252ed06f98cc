#pragma once
// The scripted remote desktop control that the program hosts in these tests, registered under
// the real control's class identifier for the whole run (main.cpp).

#include <oaidl.h>

#include <string>

#include "tests/support/scripted_control/registration.h"

scripted::ScriptedControlRegistration& HostedControl();

// The text of a value the control received; empty for anything but a string.
inline std::wstring TextOf(const VARIANT& v) {
    return v.vt == VT_BSTR && v.bstrVal ? v.bstrVal : L"";
}
