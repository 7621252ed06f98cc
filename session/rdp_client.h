#pragma once
// The remote desktop control's client interfaces IMsTscAx to IMsRdpClient6, declared member by
// member in the order of the control's type library: the vtable slot of a member is its
// position here (0-2 IUnknown, 3-6 IDispatch). A missing or extra member would shift every later
// slot and make a call land on another method of the real control, so nothing may be added,
// removed or reordered. Property pairs are put first, then get.

#include "session/rdp_settings.h"

#include <windows.h>
#include <ole2.h>

// Interfaces that the program never calls; only their pointers pass through the slots.
struct IMsTscSecuredSettings;
struct IMsTscDebug;
struct IMsRdpClientSecuredSettings;
struct IMsRdpClientTransportSettings;
struct IMsRdpClientTransportSettings2;
struct ITSRemoteProgram;
struct IMsRdpClientShell;

// 32-bit enumerations of the type library.
enum ExtendedDisconnectReasonCode : int { exDiscReasonNoInfo = 0 };
enum ControlCloseStatus : int { controlCloseCanProceed = 0, controlCloseWaitForEvents = 1 };

// The type library puts an interface without members between IDispatch and IMsTscAx.
struct IMsTscAxRoot : public IDispatch {};

struct IMsTscAx : public IMsTscAxRoot {
    virtual HRESULT STDMETHODCALLTYPE put_Server(BSTR value) = 0; // 7
    virtual HRESULT STDMETHODCALLTYPE get_Server(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Domain(BSTR value) = 0; // 9
    virtual HRESULT STDMETHODCALLTYPE get_Domain(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_UserName(BSTR value) = 0; // 11
    virtual HRESULT STDMETHODCALLTYPE get_UserName(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DisconnectedText(BSTR value) = 0; // 13
    virtual HRESULT STDMETHODCALLTYPE get_DisconnectedText(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ConnectingText(BSTR value) = 0; // 15
    virtual HRESULT STDMETHODCALLTYPE get_ConnectingText(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Connected(short* value) = 0;  // 17
    virtual HRESULT STDMETHODCALLTYPE put_DesktopWidth(long value) = 0; // 18
    virtual HRESULT STDMETHODCALLTYPE get_DesktopWidth(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DesktopHeight(long value) = 0; // 20
    virtual HRESULT STDMETHODCALLTYPE get_DesktopHeight(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_StartConnected(long value) = 0; // 22
    virtual HRESULT STDMETHODCALLTYPE get_StartConnected(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_HorizontalScrollBarVisible(long* value) = 0; // 24
    virtual HRESULT STDMETHODCALLTYPE get_VerticalScrollBarVisible(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_FullScreenTitle(BSTR value) = 0; // 26
    virtual HRESULT STDMETHODCALLTYPE get_CipherStrength(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Version(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SecuredSettingsEnabled(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SecuredSettings(IMsTscSecuredSettings** value) = 0; // 30
    virtual HRESULT STDMETHODCALLTYPE get_AdvancedSettings(IMsTscAdvancedSettings** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Debugger(IMsTscDebug** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE Connect() = 0; // 33
    virtual HRESULT STDMETHODCALLTYPE Disconnect() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateVirtualChannels(BSTR channelNames) = 0;
    virtual HRESULT STDMETHODCALLTYPE SendOnVirtualChannel(BSTR channelName, BSTR data) = 0; // 36
};

struct IMsRdpClient : public IMsTscAx {
    virtual HRESULT STDMETHODCALLTYPE put_ColorDepth(long value) = 0; // 37
    virtual HRESULT STDMETHODCALLTYPE get_ColorDepth(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AdvancedSettings2(IMsRdpClientAdvancedSettings** value) = 0; // 39
    virtual HRESULT STDMETHODCALLTYPE get_SecuredSettings2(IMsRdpClientSecuredSettings** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ExtendedDisconnectReason(ExtendedDisconnectReasonCode* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_FullScreen(VARIANT_BOOL value) = 0; // 42
    virtual HRESULT STDMETHODCALLTYPE get_FullScreen(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetVirtualChannelOptions(BSTR channelName, long options) = 0; // 44
    virtual HRESULT STDMETHODCALLTYPE GetVirtualChannelOptions(BSTR channelName, long* options) = 0;
    virtual HRESULT STDMETHODCALLTYPE RequestClose(ControlCloseStatus* closeStatus) = 0; // 46
};

struct IMsRdpClient2 : public IMsRdpClient {
    virtual HRESULT STDMETHODCALLTYPE get_AdvancedSettings3(IMsRdpClientAdvancedSettings2** value) = 0; // 47
    virtual HRESULT STDMETHODCALLTYPE put_ConnectedStatusText(BSTR value) = 0;                          // 48
    virtual HRESULT STDMETHODCALLTYPE get_ConnectedStatusText(BSTR* value) = 0;
};

struct IMsRdpClient3 : public IMsRdpClient2 {
    virtual HRESULT STDMETHODCALLTYPE get_AdvancedSettings4(IMsRdpClientAdvancedSettings3** value) = 0; // 50
};

struct IMsRdpClient4 : public IMsRdpClient3 {
    virtual HRESULT STDMETHODCALLTYPE get_AdvancedSettings5(IMsRdpClientAdvancedSettings4** value) = 0; // 51
};

struct IMsRdpClient5 : public IMsRdpClient4 {
    virtual HRESULT STDMETHODCALLTYPE get_TransportSettings(IMsRdpClientTransportSettings** value) = 0; // 52
    virtual HRESULT STDMETHODCALLTYPE get_AdvancedSettings6(IMsRdpClientAdvancedSettings5** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetErrorDescription(UINT disconnectReason,
                                                          UINT extendedDisconnectReason,
                                                          BSTR* errorDescription) = 0; // 54
    virtual HRESULT STDMETHODCALLTYPE get_RemoteProgram(ITSRemoteProgram** value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MsRdpClientShell(IMsRdpClientShell** value) = 0; // 56
};

struct IMsRdpClient6 : public IMsRdpClient5 {
    virtual HRESULT STDMETHODCALLTYPE get_AdvancedSettings7(IMsRdpClientAdvancedSettings6** value) = 0; // 57
    virtual HRESULT STDMETHODCALLTYPE get_TransportSettings2(IMsRdpClientTransportSettings2** value) = 0;
};

__CRT_UUID_DECL(IMsTscAx, 0x8C11EFAE, 0x92C3, 0x11D1, 0xBC, 0x1E, 0x00, 0xC0, 0x4F, 0xA3, 0x14, 0x89)
__CRT_UUID_DECL(IMsRdpClient, 0x92B4A539, 0x7115, 0x4B7C, 0xA5, 0xA9, 0xE5, 0xD9, 0xEF, 0xC2, 0x78, 0x0A)
__CRT_UUID_DECL(IMsRdpClient2, 0xE7E17DC4, 0x3B71, 0x4BA7, 0xA8, 0xE6, 0x28, 0x1F, 0xFA, 0xDC, 0xA2, 0x8F)
__CRT_UUID_DECL(IMsRdpClient3, 0x91B7CBC5, 0xA72E, 0x4FA0, 0x93, 0x00, 0xD6, 0x47, 0xD7, 0xE8, 0x97, 0xFF)
__CRT_UUID_DECL(IMsRdpClient4, 0x095E0738, 0xD97D, 0x488B, 0xB9, 0xF6, 0xDD, 0x0E, 0x8D, 0x66, 0xC0, 0xDE)
__CRT_UUID_DECL(IMsRdpClient5, 0x4EB5335B, 0x6429, 0x477D, 0xB9, 0x22, 0xE0, 0x6A, 0x28, 0xEC, 0xD8, 0xBF)
__CRT_UUID_DECL(IMsRdpClient6, 0xD43B7D80, 0x8517, 0x4B6D, 0x9E, 0xAC, 0x96, 0xAD, 0x68, 0x00, 0xD7, 0xF2)
