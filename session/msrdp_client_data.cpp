#include "session/msrdp_client_data.h"

#include "session/msrdp_event_table.h"
#include "session/rdp_client.h"
#include "session/rdp_ids.h"

namespace {

constexpr TControlData kControlData = {
    CLSID_MsRdpClient6NotSafeForScripting,
    DIID_IMsTscAxEvents,
    kMsRdpClientEventCount,
    kMsRdpEventDispIds.data(),
    0,
    0,
};

} // namespace

const TControlData& MsRdpClient6ControlData() {
    return kControlData;
}

const uint8_t kMsRdpClientStoredState[kMsRdpClientStoredStateSize] = {
    0x00, 0x03, 0x00, 0x00, 0x08, 0x00, 0x02, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x0B, 0x00, 0x00, 0x00, 0x0B, 0x00, 0x00, 0x00,
};
