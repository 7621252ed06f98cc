#pragma once
// The event slots of TMsRdpClient6NotSafeForScripting, one row each: row i is slot i, with the
// event's DISPID, its name in the window description, how the description's handler is stored
// in the wrapper's member and how that member is called with the control's arguments.

#include "session/msrdp_client_data.h"

#include <windows.h>
#include <ole2.h>

#include <array>

class TEventArguments;
class TMsRdpClient6NotSafeForScripting;
class TReader;
struct DescProperty;

struct TMsRdpEventSlot {
    DISPID DispId;
    const char* Name;
    // Stores the handler that `prop` names in the event's member of `client`.
    void (*Read)(TMsRdpClient6NotSafeForScripting& client, TReader& reader, const DescProperty& prop);
    // Calls the event's member, when assigned, with the arguments read in declaration order.
    void (*Invoke)(TMsRdpClient6NotSafeForScripting& client, const TEventArguments& args);
};

extern const std::array<TMsRdpEventSlot, kMsRdpClientEventCount> kMsRdpEventSlots;
// The DISPID column, in slot order, as the control-data record holds it.
extern const std::array<DISPID, kMsRdpClientEventCount> kMsRdpEventDispIds;
