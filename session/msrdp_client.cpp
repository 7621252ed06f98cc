#include "session/msrdp_client.h"

#include "framework/reader.h"
#include "session/msrdp_client_data.h"
#include "session/ole_check.h"
#include "session/ole_errors.h"

namespace {

// A settings object that the control handed out, or EIntfCastError when it answered without one.
template <class T>
ComPtr<T> Required(ComPtr<T> settings) {
    if (!settings)
        throw EIntfCastError();
    return settings;
}

template <class Handler>
bool ReadEvent(TReader& reader, const DescProperty& p, const char* name, Handler& slot) {
    if (p.name != name)
        return false;
    slot = reader.Method<Handler>(p);
    return true;
}

} // namespace

TMsRdpClient6NotSafeForScripting::TMsRdpClient6NotSafeForScripting(TComponent* owner)
    : TOleControl(owner, MsRdpClient6ControlData()) {}

TMsRdpClient6NotSafeForScripting::~TMsRdpClient6NotSafeForScripting() {
    // The host closes and releases the control first; the default interface goes last.
    DestroyControl();
    client_.Reset();
}

ComPtr<IMsRdpClient6> TMsRdpClient6NotSafeForScripting::ClientInterface() {
    if (!client_) {
        const ComPtr<IDispatch> dispatch = ControlDispatch();
        ComPtr<IMsRdpClient6> client;
        if (FAILED(dispatch.As(client)) || !client)
            throw EIntfCastError();
        client_ = client;
    }
    return client_;
}

ComPtr<IMsRdpClientAdvancedSettings> TMsRdpClient6NotSafeForScripting::AdvancedSettings2() {
    ComPtr<IMsRdpClientAdvancedSettings> settings;
    SafeCallCheck(ClientInterface()->get_AdvancedSettings2(settings.Put()));
    return Required(std::move(settings));
}

ComPtr<IMsRdpClientAdvancedSettings6> TMsRdpClient6NotSafeForScripting::AdvancedSettings7() {
    ComPtr<IMsRdpClientAdvancedSettings6> settings;
    SafeCallCheck(ClientInterface()->get_AdvancedSettings7(settings.Put()));
    return Required(std::move(settings));
}

void TMsRdpClient6NotSafeForScripting::Connect() {
    SafeCallCheck(ClientInterface()->Connect());
}

ControlCloseStatus TMsRdpClient6NotSafeForScripting::RequestClose() {
    ControlCloseStatus status = controlCloseCanProceed;
    SafeCallCheck(ClientInterface()->RequestClose(&status));
    return status;
}

bool TMsRdpClient6NotSafeForScripting::ReadProperty(TReader& r, const DescProperty& p) {
    return ReadEvent(r, p, "OnConnecting", OnConnecting) || ReadEvent(r, p, "OnConnected", OnConnected) ||
           ReadEvent(r, p, "OnLoginComplete", OnLoginComplete) ||
           ReadEvent(r, p, "OnDisconnected", OnDisconnected) ||
           ReadEvent(r, p, "OnEnterFullScreenMode", OnEnterFullScreenMode) ||
           ReadEvent(r, p, "OnLeaveFullScreenMode", OnLeaveFullScreenMode) ||
           ReadEvent(r, p, "OnChannelReceivedData", OnChannelReceivedData) ||
           ReadEvent(r, p, "OnRequestGoFullScreen", OnRequestGoFullScreen) ||
           ReadEvent(r, p, "OnRequestLeaveFullScreen", OnRequestLeaveFullScreen) ||
           ReadEvent(r, p, "OnFatalError", OnFatalError) || ReadEvent(r, p, "OnWarning", OnWarning) ||
           ReadEvent(r, p, "OnRemoteDesktopSizeChange", OnRemoteDesktopSizeChange) ||
           ReadEvent(r, p, "OnIdleTimeoutNotification", OnIdleTimeoutNotification) ||
           ReadEvent(r, p, "OnRequestContainerMinimize", OnRequestContainerMinimize) ||
           ReadEvent(r, p, "OnConfirmClose", OnConfirmClose) ||
           ReadEvent(r, p, "OnReceivedTSPublicKey", OnReceivedTSPublicKey) ||
           ReadEvent(r, p, "OnAutoReconnecting", OnAutoReconnecting) ||
           ReadEvent(r, p, "OnAuthenticationWarningDisplayed", OnAuthenticationWarningDisplayed) ||
           ReadEvent(r, p, "OnAuthenticationWarningDismissed", OnAuthenticationWarningDismissed) ||
           ReadEvent(r, p, "OnRemoteProgramResult", OnRemoteProgramResult) ||
           ReadEvent(r, p, "OnRemoteProgramDisplayed", OnRemoteProgramDisplayed) ||
           ReadEvent(r, p, "OnLogonError", OnLogonError) ||
           ReadEvent(r, p, "OnFocusReleased", OnFocusReleased) ||
           ReadEvent(r, p, "OnUserNameAcquired", OnUserNameAcquired) ||
           ReadEvent(r, p, "OnMouseInputModeChanged", OnMouseInputModeChanged) ||
           TOleControl::ReadProperty(r, p);
}
