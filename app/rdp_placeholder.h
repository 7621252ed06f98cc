#pragma once
// Stands in for the remote desktop control's host until the host lands: an empty windowed
// control with the host's stored values, tab stop and event slots.

#include <cstdint>
#include <functional>
#include <vector>

#include "framework/win_control.h"

using TDisconnectedEvent = std::function<void(TComponent* Sender, int32_t discReason)>;

class TMsRdpClient6NotSafeForScripting : public TWinControl {
public:
    explicit TMsRdpClient6NotSafeForScripting(TComponent* owner);
    const char* ClassName() const override { return "TMsRdpClient6NotSafeForScripting"; }

    const std::vector<uint8_t>& ControlData() const { return controlData_; }

    TNotifyEvent OnConnected;
    TDisconnectedEvent OnDisconnected;
    TNotifyEvent OnAuthenticationWarningDisplayed;

    bool ReadProperty(TReader& reader, const DescProperty& prop) override;

private:
    std::vector<uint8_t> controlData_;
};

void RegisterSessionClasses();
