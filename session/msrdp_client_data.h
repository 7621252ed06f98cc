#pragma once
// The control-data record of the MsRdpClient6NotSafeForScripting wrapper and the control's
// stored state as the sign-in window's description holds it.

#include "session/control_data.h"

#include <cstddef>
#include <cstdint>

// Events 1 to 24 then 26 (the control has no event 25), one slot each.
constexpr uint32_t kMsRdpClientEventCount = 25;

const TControlData& MsRdpClient6ControlData();

// The 20 bytes handed to IPersistStreamInit::Load when the control starts, passed unread.
constexpr size_t kMsRdpClientStoredStateSize = 20;
extern const uint8_t kMsRdpClientStoredState[kMsRdpClientStoredStateSize];
