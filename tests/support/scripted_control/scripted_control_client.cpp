// The scripted control's client interfaces IMsTscAx to IMsRdpClient6. The properties that also
// have a DISPID share their values with IDispatch; the settings getters hand out a fresh
// settings object; Connect marks the control as connecting and starts the simulated session when
// there is one.

#include "tests/support/scripted_control/scripted_control.h"

#include "session/rdp_ids.h"
#include "tests/support/scripted_control/boundary.h"
#include "tests/support/scripted_control/scripted_settings.h"
#include "tests/support/scripted_control/value_text.h"

#include <cwchar>

namespace scripted {

template <class T>
HRESULT ScriptedControl::PutProperty(const char* call, DISPID dispid, T value) {
    try {
        if (auto answer = instance_->Enter(std::string(call) + "(" + ArgText(value) + ")"))
            return *answer;
        instance_->properties_.insert_or_assign(dispid, ToVariant(value));
        if (hwnd_)
            InvalidateRect(hwnd_, nullptr, FALSE);
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

template <class T>
HRESULT ScriptedControl::GetProperty(const char* call, DISPID dispid, T* out) {
    if (!out)
        return E_POINTER;
    *out = T();
    try {
        if (auto answer = instance_->Enter(std::string(call) + "()"))
            return *answer;
        return FromVariant(instance_->Property(dispid), out);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

template <class Settings>
HRESULT ScriptedControl::HandOutSettings(const char* call, Settings** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    try {
        if (auto answer = instance_->Enter(std::string(call) + "()"))
            return *answer;
        *out = new ScriptedSettings(instance_);
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

template <class... Args>
HRESULT ScriptedControl::Plain(const char* name, HRESULT hr, const Args&... args) {
    try {
        std::string call = std::string(name) + "(";
        [[maybe_unused]] const char* separator = "";
        ((call += separator + ArgText(args), separator = ", "), ...);
        if (auto answer = instance_->Enter(call + ")"))
            return *answer;
        return hr;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

namespace {

// Sets an interface out-parameter the control does not provide to null.
template <class T>
HRESULT NotProvided(T** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    return E_NOTIMPL;
}

template <class T>
HRESULT Zero(T* out) {
    if (!out)
        return E_POINTER;
    *out = T();
    return S_OK;
}

} // namespace

HRESULT ScriptedControl::put_Server(BSTR v) {
    return PutProperty("IMsTscAx::put_Server", RdpDispId::Server, v);
}
HRESULT ScriptedControl::get_Server(BSTR* v) {
    return GetProperty("IMsTscAx::get_Server", RdpDispId::Server, v);
}
HRESULT ScriptedControl::put_Domain(BSTR v) {
    return PutProperty("IMsTscAx::put_Domain", RdpDispId::Domain, v);
}
HRESULT ScriptedControl::get_Domain(BSTR* v) {
    return GetProperty("IMsTscAx::get_Domain", RdpDispId::Domain, v);
}
HRESULT ScriptedControl::put_UserName(BSTR v) {
    return PutProperty("IMsTscAx::put_UserName", RdpDispId::UserName, v);
}
HRESULT ScriptedControl::get_UserName(BSTR* v) {
    return GetProperty("IMsTscAx::get_UserName", RdpDispId::UserName, v);
}
HRESULT ScriptedControl::put_DisconnectedText(BSTR v) {
    return PutProperty("IMsTscAx::put_DisconnectedText", RdpDispId::DisconnectedText, v);
}
HRESULT ScriptedControl::get_DisconnectedText(BSTR* v) {
    return GetProperty("IMsTscAx::get_DisconnectedText", RdpDispId::DisconnectedText, v);
}
HRESULT ScriptedControl::put_ConnectingText(BSTR v) {
    return PutProperty("IMsTscAx::put_ConnectingText", RdpDispId::ConnectingText, v);
}
HRESULT ScriptedControl::get_ConnectingText(BSTR* v) {
    return GetProperty("IMsTscAx::get_ConnectingText", RdpDispId::ConnectingText, v);
}
HRESULT ScriptedControl::get_Connected(short* v) {
    return GetProperty("IMsTscAx::get_Connected", RdpDispId::Connected, v);
}
HRESULT ScriptedControl::put_DesktopWidth(long v) {
    return PutProperty("IMsTscAx::put_DesktopWidth", RdpDispId::DesktopWidth, v);
}
HRESULT ScriptedControl::get_DesktopWidth(long* v) {
    return GetProperty("IMsTscAx::get_DesktopWidth", RdpDispId::DesktopWidth, v);
}
HRESULT ScriptedControl::put_DesktopHeight(long v) {
    return PutProperty("IMsTscAx::put_DesktopHeight", RdpDispId::DesktopHeight, v);
}
HRESULT ScriptedControl::get_DesktopHeight(long* v) {
    return GetProperty("IMsTscAx::get_DesktopHeight", RdpDispId::DesktopHeight, v);
}
HRESULT ScriptedControl::put_StartConnected(long v) {
    return PutProperty("IMsTscAx::put_StartConnected", RdpDispId::StartConnected, v);
}
HRESULT ScriptedControl::get_StartConnected(long* v) {
    return GetProperty("IMsTscAx::get_StartConnected", RdpDispId::StartConnected, v);
}
HRESULT ScriptedControl::get_HorizontalScrollBarVisible(long* v) {
    Zero(v);
    return Plain("IMsTscAx::get_HorizontalScrollBarVisible", v ? S_OK : E_POINTER);
}
HRESULT ScriptedControl::get_VerticalScrollBarVisible(long* v) {
    Zero(v);
    return Plain("IMsTscAx::get_VerticalScrollBarVisible", v ? S_OK : E_POINTER);
}
HRESULT ScriptedControl::put_FullScreenTitle(BSTR v) {
    return Plain("IMsTscAx::put_FullScreenTitle", S_OK, v);
}
HRESULT ScriptedControl::get_CipherStrength(long* v) {
    Zero(v);
    return Plain("IMsTscAx::get_CipherStrength", v ? S_OK : E_POINTER);
}
HRESULT ScriptedControl::get_Version(BSTR* v) {
    if (!v)
        return E_POINTER;
    *v = nullptr;
    const HRESULT hr = Plain("IMsTscAx::get_Version", S_OK);
    if (hr == S_OK)
        *v = SysAllocString(L"scripted");
    return hr;
}
HRESULT ScriptedControl::get_SecuredSettingsEnabled(long* v) {
    Zero(v);
    return Plain("IMsTscAx::get_SecuredSettingsEnabled", v ? S_OK : E_POINTER);
}
HRESULT ScriptedControl::get_SecuredSettings(IMsTscSecuredSettings** v) {
    NotProvided(v);
    return Plain("IMsTscAx::get_SecuredSettings", E_NOTIMPL);
}
HRESULT ScriptedControl::get_AdvancedSettings(IMsTscAdvancedSettings** v) {
    return HandOutSettings("IMsTscAx::get_AdvancedSettings", v);
}
HRESULT ScriptedControl::get_Debugger(IMsTscDebug** v) {
    NotProvided(v);
    return Plain("IMsTscAx::get_Debugger", E_NOTIMPL);
}

HRESULT ScriptedControl::Connect() {
    const HRESULT hr = Plain("IMsTscAx::Connect", S_OK);
    if (hr != S_OK)
        return hr;
    connecting_ = true;
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, FALSE);
    // The simulated session plays on the window: a control not active in place stays connecting.
    if (!demo_ || !hwnd_)
        return hr;
    return Boundary([&] {
        const VARIANT& user = instance_->Property(RdpDispId::UserName);
        const BSTR code = user.vt == VT_BSTR ? user.bstrVal : nullptr;
        demo_->Start(hwnd_, std::wstring(code ? code : L"", SysStringLen(code)));
        return hr;
    });
}

HRESULT ScriptedControl::Disconnect() {
    const HRESULT hr = Plain("IMsTscAx::Disconnect", S_OK);
    if (hr == S_OK) {
        connecting_ = false;
        if (hwnd_)
            InvalidateRect(hwnd_, nullptr, FALSE);
    }
    return hr;
}

HRESULT ScriptedControl::CreateVirtualChannels(BSTR names) {
    return Plain("IMsTscAx::CreateVirtualChannels", S_OK, names);
}
HRESULT ScriptedControl::SendOnVirtualChannel(BSTR name, BSTR data) {
    return Plain("IMsTscAx::SendOnVirtualChannel", S_OK, name, data);
}

HRESULT ScriptedControl::put_ColorDepth(long v) {
    return PutProperty("IMsRdpClient::put_ColorDepth", RdpDispId::ColorDepth, v);
}
HRESULT ScriptedControl::get_ColorDepth(long* v) {
    return GetProperty("IMsRdpClient::get_ColorDepth", RdpDispId::ColorDepth, v);
}
HRESULT ScriptedControl::get_AdvancedSettings2(IMsRdpClientAdvancedSettings** v) {
    return HandOutSettings("IMsRdpClient::get_AdvancedSettings2", v);
}
HRESULT ScriptedControl::get_SecuredSettings2(IMsRdpClientSecuredSettings** v) {
    NotProvided(v);
    return Plain("IMsRdpClient::get_SecuredSettings2", E_NOTIMPL);
}
HRESULT ScriptedControl::get_ExtendedDisconnectReason(ExtendedDisconnectReasonCode* v) {
    Zero(v);
    return Plain("IMsRdpClient::get_ExtendedDisconnectReason", v ? S_OK : E_POINTER);
}
HRESULT ScriptedControl::put_FullScreen(VARIANT_BOOL v) {
    return PutProperty("IMsRdpClient::put_FullScreen", RdpDispId::FullScreen, v);
}
HRESULT ScriptedControl::get_FullScreen(VARIANT_BOOL* v) {
    return GetProperty("IMsRdpClient::get_FullScreen", RdpDispId::FullScreen, v);
}
HRESULT ScriptedControl::SetVirtualChannelOptions(BSTR name, long options) {
    return Plain("IMsRdpClient::SetVirtualChannelOptions", S_OK, name, options);
}
HRESULT ScriptedControl::GetVirtualChannelOptions(BSTR name, long* options) {
    Zero(options);
    return Plain("IMsRdpClient::GetVirtualChannelOptions", options ? S_OK : E_POINTER, name);
}
HRESULT ScriptedControl::RequestClose(ControlCloseStatus* status) {
    if (status)
        *status = controlCloseCanProceed;
    const HRESULT hr = Plain("IMsRdpClient::RequestClose", status ? S_OK : E_POINTER);
    if (hr == S_OK)
        *status = static_cast<ControlCloseStatus>(instance_->Script().CloseStatus);
    return hr;
}

HRESULT ScriptedControl::get_AdvancedSettings3(IMsRdpClientAdvancedSettings2** v) {
    return HandOutSettings("IMsRdpClient2::get_AdvancedSettings3", v);
}
HRESULT ScriptedControl::put_ConnectedStatusText(BSTR v) {
    return PutProperty("IMsRdpClient2::put_ConnectedStatusText", RdpDispId::ConnectedStatusText, v);
}
HRESULT ScriptedControl::get_ConnectedStatusText(BSTR* v) {
    return GetProperty("IMsRdpClient2::get_ConnectedStatusText", RdpDispId::ConnectedStatusText, v);
}
HRESULT ScriptedControl::get_AdvancedSettings4(IMsRdpClientAdvancedSettings3** v) {
    return HandOutSettings("IMsRdpClient3::get_AdvancedSettings4", v);
}
HRESULT ScriptedControl::get_AdvancedSettings5(IMsRdpClientAdvancedSettings4** v) {
    return HandOutSettings("IMsRdpClient4::get_AdvancedSettings5", v);
}
HRESULT ScriptedControl::get_TransportSettings(IMsRdpClientTransportSettings** v) {
    NotProvided(v);
    return Plain("IMsRdpClient5::get_TransportSettings", E_NOTIMPL);
}
HRESULT ScriptedControl::get_AdvancedSettings6(IMsRdpClientAdvancedSettings5** v) {
    return HandOutSettings("IMsRdpClient5::get_AdvancedSettings6", v);
}
HRESULT ScriptedControl::GetErrorDescription(UINT reason, UINT extended, BSTR* description) {
    if (!description)
        return E_POINTER;
    *description = nullptr;
    const HRESULT hr = Plain("IMsRdpClient5::GetErrorDescription", S_OK, reason, extended);
    if (hr == S_OK) {
        wchar_t text[32];
        swprintf(text, 32, L"Reason %u", reason);
        *description = SysAllocString(text);
    }
    return hr;
}
HRESULT ScriptedControl::get_RemoteProgram(ITSRemoteProgram** v) {
    NotProvided(v);
    return Plain("IMsRdpClient5::get_RemoteProgram", E_NOTIMPL);
}
HRESULT ScriptedControl::get_MsRdpClientShell(IMsRdpClientShell** v) {
    NotProvided(v);
    return Plain("IMsRdpClient5::get_MsRdpClientShell", E_NOTIMPL);
}
HRESULT ScriptedControl::get_AdvancedSettings7(IMsRdpClientAdvancedSettings6** v) {
    return HandOutSettings("IMsRdpClient6::get_AdvancedSettings7", v);
}
HRESULT ScriptedControl::get_TransportSettings2(IMsRdpClientTransportSettings2** v) {
    NotProvided(v);
    return Plain("IMsRdpClient6::get_TransportSettings2", E_NOTIMPL);
}

} // namespace scripted
