#include "app/rdp_placeholder.h"

#include "framework/component_registry.h"
#include "framework/reader.h"

TMsRdpClient6NotSafeForScripting::TMsRdpClient6NotSafeForScripting(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clBlack);
}

bool TMsRdpClient6NotSafeForScripting::ReadProperty(TReader& reader, const DescProperty& p) {
    if (p.name == "ControlData")
        controlData_ = reader.Bytes(p);
    else if (p.name == "OnConnected")
        OnConnected = reader.Method<TNotifyEvent>(p);
    else if (p.name == "OnDisconnected")
        OnDisconnected = reader.Method<TDisconnectedEvent>(p);
    else if (p.name == "OnAuthenticationWarningDisplayed")
        OnAuthenticationWarningDisplayed = reader.Method<TNotifyEvent>(p);
    else
        return TWinControl::ReadProperty(reader, p);
    return true;
}

void RegisterSessionClasses() {
    RegisterComponentClass<TMsRdpClient6NotSafeForScripting>("TMsRdpClient6NotSafeForScripting");
}
