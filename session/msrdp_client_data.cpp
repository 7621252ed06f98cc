#include "session/msrdp_client_data.h"

#include "session/rdp_client.h"
#include "session/rdp_ids.h"

namespace {

constexpr DISPID kEventDispIds[kMsRdpClientEventCount] = {
    RdpEvent::OnConnecting,
    RdpEvent::OnConnected,
    RdpEvent::OnLoginComplete,
    RdpEvent::OnDisconnected,
    RdpEvent::OnEnterFullScreenMode,
    RdpEvent::OnLeaveFullScreenMode,
    RdpEvent::OnChannelReceivedData,
    RdpEvent::OnRequestGoFullScreen,
    RdpEvent::OnRequestLeaveFullScreen,
    RdpEvent::OnFatalError,
    RdpEvent::OnWarning,
    RdpEvent::OnRemoteDesktopSizeChange,
    RdpEvent::OnIdleTimeoutNotification,
    RdpEvent::OnRequestContainerMinimize,
    RdpEvent::OnConfirmClose,
    RdpEvent::OnReceivedTSPublicKey,
    RdpEvent::OnAutoReconnecting,
    RdpEvent::OnAuthenticationWarningDisplayed,
    RdpEvent::OnAuthenticationWarningDismissed,
    RdpEvent::OnRemoteProgramResult,
    RdpEvent::OnRemoteProgramDisplayed,
    RdpEvent::OnLogonError,
    RdpEvent::OnFocusReleased,
    RdpEvent::OnUserNameAcquired,
    RdpEvent::OnMouseInputModeChanged,
};

constexpr TControlData kControlData = {
    CLSID_MsRdpClient6NotSafeForScripting, DIID_IMsTscAxEvents, kMsRdpClientEventCount, kEventDispIds, 0, 0,
};

} // namespace

const TControlData& MsRdpClient6ControlData() {
    return kControlData;
}

const uint8_t kMsRdpClientStoredState[kMsRdpClientStoredStateSize] = {
    0x00, 0x03, 0x00, 0x00, 0x08, 0x00, 0x02, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x0B, 0x00, 0x00, 0x00, 0x0B, 0x00, 0x00, 0x00,
};
