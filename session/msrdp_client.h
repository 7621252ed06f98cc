#pragma once
// The host of the remote desktop control MsRdpClient6NotSafeForScripting: its control-data
// record, its properties by DISPID, the calls the sign-in makes through its default interface
// IMsRdpClient6, and its 25 event slots.

#include "base/win/com_ptr.h"
#include "session/msrdp_events.h"
#include "session/ole_control.h"
#include "session/rdp_client.h"
#include "session/rdp_ids.h"

#include <string>
#include <string_view>

class TMsRdpClient6NotSafeForScripting : public TOleControl {
  public:
    explicit TMsRdpClient6NotSafeForScripting(TComponent* owner);
    ~TMsRdpClient6NotSafeForScripting() override;
    const char* ClassName() const override { return "TMsRdpClient6NotSafeForScripting"; }

    // The default interface, obtained from the control's IDispatch on first use and kept;
    // EIntfCastError when the control does not offer it.
    ComPtr<IMsRdpClient6> ClientInterface();

    // Read afresh through the default interface at each call; EOleException when the control
    // fails, EIntfCastError when it answers without an object.
    ComPtr<IMsRdpClientAdvancedSettings> AdvancedSettings2();
    ComPtr<IMsRdpClientAdvancedSettings6> AdvancedSettings7();
    void Connect();
    ControlCloseStatus RequestClose();

    // Properties by DISPID through IDispatch.
    std::wstring Server() { return GetWideStringProp(RdpDispId::Server); }
    void SetServer(std::wstring_view v) { SetWideStringProp(RdpDispId::Server, v); }
    std::wstring Domain() { return GetWideStringProp(RdpDispId::Domain); }
    void SetDomain(std::wstring_view v) { SetWideStringProp(RdpDispId::Domain, v); }
    std::wstring UserName() { return GetWideStringProp(RdpDispId::UserName); }
    void SetUserName(std::wstring_view v) { SetWideStringProp(RdpDispId::UserName, v); }
    std::wstring DisconnectedText() { return GetWideStringProp(RdpDispId::DisconnectedText); }
    void SetDisconnectedText(std::wstring_view v) { SetWideStringProp(RdpDispId::DisconnectedText, v); }
    std::wstring ConnectingText() { return GetWideStringProp(RdpDispId::ConnectingText); }
    void SetConnectingText(std::wstring_view v) { SetWideStringProp(RdpDispId::ConnectingText, v); }
    std::wstring ConnectedStatusText() { return GetWideStringProp(RdpDispId::ConnectedStatusText); }
    void SetConnectedStatusText(std::wstring_view v) { SetWideStringProp(RdpDispId::ConnectedStatusText, v); }
    int32_t DesktopWidth() { return GetIntegerProp(RdpDispId::DesktopWidth); }
    void SetDesktopWidth(int32_t v) { SetIntegerProp(RdpDispId::DesktopWidth, v); }
    int32_t DesktopHeight() { return GetIntegerProp(RdpDispId::DesktopHeight); }
    void SetDesktopHeight(int32_t v) { SetIntegerProp(RdpDispId::DesktopHeight, v); }
    int32_t StartConnected() { return GetIntegerProp(RdpDispId::StartConnected); }
    void SetStartConnected(int32_t v) { SetIntegerProp(RdpDispId::StartConnected, v); }
    int32_t ColorDepth() { return GetIntegerProp(RdpDispId::ColorDepth); }
    void SetColorDepth(int32_t v) { SetIntegerProp(RdpDispId::ColorDepth, v); }
    bool FullScreen() { return GetWordBoolProp(RdpDispId::FullScreen); }
    void SetFullScreen(bool v) { SetWordBoolProp(RdpDispId::FullScreen, v); }
    // Read only, 16 bits.
    int16_t Connected() { return GetShortProp(RdpDispId::Connected); }

    // The control's events; kMsRdpEventSlots (msrdp_event_table.h) binds each to its DISPID and
    // to its name in the window description.
    TNotifyEvent OnConnecting;
    TNotifyEvent OnConnected;
    TNotifyEvent OnLoginComplete;
    TDisconnectedEvent OnDisconnected;
    TNotifyEvent OnEnterFullScreenMode;
    TNotifyEvent OnLeaveFullScreenMode;
    TChannelReceivedDataEvent OnChannelReceivedData;
    TNotifyEvent OnRequestGoFullScreen;
    TNotifyEvent OnRequestLeaveFullScreen;
    TFatalErrorEvent OnFatalError;
    TWarningEvent OnWarning;
    TRemoteDesktopSizeChangeEvent OnRemoteDesktopSizeChange;
    TNotifyEvent OnIdleTimeoutNotification;
    TNotifyEvent OnRequestContainerMinimize;
    TNotifyEvent OnConfirmClose;
    TReceivedTSPublicKeyEvent OnReceivedTSPublicKey;
    TAutoReconnectingEvent OnAutoReconnecting;
    TNotifyEvent OnAuthenticationWarningDisplayed;
    TNotifyEvent OnAuthenticationWarningDismissed;
    TRemoteProgramResultEvent OnRemoteProgramResult;
    TRemoteProgramDisplayedEvent OnRemoteProgramDisplayed;
    TLogonErrorEvent OnLogonError;
    TFocusReleasedEvent OnFocusReleased;
    TUserNameAcquiredEvent OnUserNameAcquired;
    TMouseInputModeChangedEvent OnMouseInputModeChanged;

    // The events by name, then the host's own properties.
    bool ReadProperty(TReader& reader, const DescProperty& prop) override;

  protected:
    void InvokeEvent(int slot, const TEventArguments& args) override;

  private:
    ComPtr<IMsRdpClient6> client_;
};
