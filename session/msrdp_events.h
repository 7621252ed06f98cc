#pragma once
// Handler types of the remote desktop control's events (IMsTscAxEvents). Each handler receives
// the host as Sender, then the event's arguments in their declared order. Strings are the BSTR
// the control passed, valid for the call and not freed by the handler.

#include "framework/events.h"

#include <windows.h>
#include <ole2.h>

#include <cstdint>
#include <functional>

using TDisconnectedEvent = std::function<void(TComponent* Sender, int32_t discReason)>;
using TChannelReceivedDataEvent = std::function<void(TComponent* Sender, BSTR chanName, BSTR data)>;
using TFatalErrorEvent = std::function<void(TComponent* Sender, int32_t errorCode)>;
using TWarningEvent = std::function<void(TComponent* Sender, int32_t warningCode)>;
using TRemoteDesktopSizeChangeEvent = std::function<void(TComponent* Sender, int32_t width, int32_t height)>;
using TReceivedTSPublicKeyEvent = std::function<void(TComponent* Sender, BSTR publicKey)>;
using TAutoReconnectingEvent =
    std::function<void(TComponent* Sender, int32_t disconnectReason, int32_t attemptCount)>;
// lError is the type library's RemoteProgramResult enumeration, 32 bits wide.
using TRemoteProgramResultEvent = std::function<void(TComponent* Sender, BSTR bstrRemoteProgram,
                                                     int32_t lError, VARIANT_BOOL vbIsExecutable)>;
using TRemoteProgramDisplayedEvent =
    std::function<void(TComponent* Sender, VARIANT_BOOL vbDisplayed, uint32_t uDisplayInformation)>;
using TLogonErrorEvent = std::function<void(TComponent* Sender, int32_t lError)>;
using TFocusReleasedEvent = std::function<void(TComponent* Sender, int32_t iDirection)>;
using TUserNameAcquiredEvent = std::function<void(TComponent* Sender, BSTR bstrUserName)>;
using TMouseInputModeChangedEvent = std::function<void(TComponent* Sender, VARIANT_BOOL fMouseModeRelative)>;
