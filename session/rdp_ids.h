#pragma once
// Identifiers of the remote desktop control: its class, its events interface, the DISPIDs of
// the properties read and written through IDispatch, and the DISPIDs of its events.
// The interface identifiers go with the interface declarations (__uuidof).

#include <windows.h>
#include <ole2.h>

// MsRdpClient6NotSafeForScripting.
inline constexpr CLSID CLSID_MsRdpClient6NotSafeForScripting = {
    0xD2EA46A7, 0xC2BF, 0x426B, {0xAF, 0x24, 0xE1, 0x9C, 0x44, 0x45, 0x63, 0x99}};

// IMsTscAxEvents, the control's events dispatch interface.
inline constexpr IID DIID_IMsTscAxEvents = {
    0x336D5562, 0xEFA8, 0x482E, {0x8C, 0xB3, 0xC5, 0xC0, 0xFC, 0x7A, 0x7D, 0xB6}};

namespace RdpDispId {
constexpr DISPID Server = 1;
constexpr DISPID Domain = 2;
constexpr DISPID UserName = 3;
constexpr DISPID DisconnectedText = 4;
constexpr DISPID ConnectingText = 5;
constexpr DISPID Connected = 6; // 16-bit, read only
constexpr DISPID DesktopWidth = 12;
constexpr DISPID DesktopHeight = 13;
constexpr DISPID StartConnected = 16;
constexpr DISPID ColorDepth = 100;
constexpr DISPID FullScreen = 104;
constexpr DISPID ConnectedStatusText = 201;
} // namespace RdpDispId

// DISPIDs of IMsTscAxEvents. There is no 25.
namespace RdpEvent {
constexpr DISPID OnConnecting = 1;
constexpr DISPID OnConnected = 2;
constexpr DISPID OnLoginComplete = 3;
constexpr DISPID OnDisconnected = 4;
constexpr DISPID OnEnterFullScreenMode = 5;
constexpr DISPID OnLeaveFullScreenMode = 6;
constexpr DISPID OnChannelReceivedData = 7;
constexpr DISPID OnRequestGoFullScreen = 8;
constexpr DISPID OnRequestLeaveFullScreen = 9;
constexpr DISPID OnFatalError = 10;
constexpr DISPID OnWarning = 11;
constexpr DISPID OnRemoteDesktopSizeChange = 12;
constexpr DISPID OnIdleTimeoutNotification = 13;
constexpr DISPID OnRequestContainerMinimize = 14;
constexpr DISPID OnConfirmClose = 15;
constexpr DISPID OnReceivedTSPublicKey = 16;
constexpr DISPID OnAutoReconnecting = 17;
constexpr DISPID OnAuthenticationWarningDisplayed = 18;
constexpr DISPID OnAuthenticationWarningDismissed = 19;
constexpr DISPID OnRemoteProgramResult = 20;
constexpr DISPID OnRemoteProgramDisplayed = 21;
constexpr DISPID OnLogonError = 22;
constexpr DISPID OnFocusReleased = 23;
constexpr DISPID OnUserNameAcquired = 24;
constexpr DISPID OnMouseInputModeChanged = 26;
} // namespace RdpEvent
