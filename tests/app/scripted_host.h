#pragma once
// The scripted remote desktop control that the program hosts in these tests, registered under
// the real control's class identifier for the whole run (main.cpp).

#include "tests/support/scripted_control/registration.h"

scripted::ScriptedControlRegistration& HostedControl();
