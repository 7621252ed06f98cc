// The remote desktop control's events delivered to the wrapper's slots. An empty slot does
// nothing; its arguments are not even read.

#include "session/msrdp_client.h"

#include "session/event_arguments.h"

namespace {

void Call(const TNotifyEvent& handler, TComponent* sender) {
    if (handler)
        handler(sender);
}

} // namespace

void TMsRdpClient6NotSafeForScripting::InvokeEvent(int slot, const TEventArguments& a) {
    switch (slot) {
    case 0:
        Call(OnConnecting, this);
        break;
    case 1:
        Call(OnConnected, this);
        break;
    case 2:
        Call(OnLoginComplete, this);
        break;
    case 3:
        if (OnDisconnected)
            OnDisconnected(this, a.Long(0));
        break;
    case 4:
        Call(OnEnterFullScreenMode, this);
        break;
    case 5:
        Call(OnLeaveFullScreenMode, this);
        break;
    case 6:
        if (OnChannelReceivedData)
            OnChannelReceivedData(this, a.String(0), a.String(1));
        break;
    case 7:
        Call(OnRequestGoFullScreen, this);
        break;
    case 8:
        Call(OnRequestLeaveFullScreen, this);
        break;
    case 9:
        if (OnFatalError)
            OnFatalError(this, a.Long(0));
        break;
    case 10:
        if (OnWarning)
            OnWarning(this, a.Long(0));
        break;
    case 11:
        if (OnRemoteDesktopSizeChange)
            OnRemoteDesktopSizeChange(this, a.Long(0), a.Long(1));
        break;
    case 12:
        Call(OnIdleTimeoutNotification, this);
        break;
    case 13:
        Call(OnRequestContainerMinimize, this);
        break;
    case 14:
        Call(OnConfirmClose, this);
        break;
    case 15:
        if (OnReceivedTSPublicKey)
            OnReceivedTSPublicKey(this, a.String(0));
        break;
    case 16:
        if (OnAutoReconnecting)
            OnAutoReconnecting(this, a.Long(0), a.Long(1));
        break;
    case 17:
        Call(OnAuthenticationWarningDisplayed, this);
        break;
    case 18:
        Call(OnAuthenticationWarningDismissed, this);
        break;
    case 19:
        if (OnRemoteProgramResult)
            OnRemoteProgramResult(this, a.String(0), a.Long(1), a.Bool(2));
        break;
    case 20:
        if (OnRemoteProgramDisplayed)
            OnRemoteProgramDisplayed(this, a.Bool(0), a.ULong(1));
        break;
    case 21:
        if (OnLogonError)
            OnLogonError(this, a.Long(0));
        break;
    case 22:
        if (OnFocusReleased)
            OnFocusReleased(this, a.Long(0));
        break;
    case 23:
        if (OnUserNameAcquired)
            OnUserNameAcquired(this, a.String(0));
        break;
    case 24:
        if (OnMouseInputModeChanged)
            OnMouseInputModeChanged(this, a.Bool(0));
        break;
    default:
        break;
    }
}
