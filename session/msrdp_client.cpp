#include "session/msrdp_client.h"

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
