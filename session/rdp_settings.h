#pragma once
// The remote desktop control's settings interfaces, declared member by member in the order of
// the control's type library: the vtable slot of a member is its position here (0-2 IUnknown,
// 3-6 IDispatch). A missing or extra member would shift every later slot and make a call land
// on another method of the real control, so nothing may be added, removed or reordered.
// Property pairs are put first, then get, except where marked.

#include <windows.h>
#include <ole2.h>

struct IMsTscAdvancedSettings : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE put_Compress(long value) = 0; // 7
    virtual HRESULT STDMETHODCALLTYPE get_Compress(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE
    put_BitmapPeristence(long value) = 0; // 9, spelt as the library spells it
    virtual HRESULT STDMETHODCALLTYPE get_BitmapPeristence(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_allowBackgroundInput(long value) = 0; // 11
    virtual HRESULT STDMETHODCALLTYPE get_allowBackgroundInput(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_KeyBoardLayoutStr(BSTR value) = 0; // 13
    virtual HRESULT STDMETHODCALLTYPE put_PluginDlls(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IconFile(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IconIndex(long value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ContainerHandledFullScreen(long value) = 0; // 17
    virtual HRESULT STDMETHODCALLTYPE get_ContainerHandledFullScreen(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DisableRdpdr(long value) = 0; // 19
    virtual HRESULT STDMETHODCALLTYPE get_DisableRdpdr(long* value) = 0;
};

struct IMsRdpClientAdvancedSettings : public IMsTscAdvancedSettings {
    virtual HRESULT STDMETHODCALLTYPE put_SmoothScroll(long value) = 0; // 21
    virtual HRESULT STDMETHODCALLTYPE get_SmoothScroll(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_AcceleratorPassthrough(long value) = 0; // 23
    virtual HRESULT STDMETHODCALLTYPE get_AcceleratorPassthrough(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ShadowBitmap(long value) = 0; // 25
    virtual HRESULT STDMETHODCALLTYPE get_ShadowBitmap(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_TransportType(long value) = 0; // 27
    virtual HRESULT STDMETHODCALLTYPE get_TransportType(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SasSequence(long value) = 0; // 29
    virtual HRESULT STDMETHODCALLTYPE get_SasSequence(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_EncryptionEnabled(long value) = 0; // 31
    virtual HRESULT STDMETHODCALLTYPE get_EncryptionEnabled(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DedicatedTerminal(long value) = 0; // 33
    virtual HRESULT STDMETHODCALLTYPE get_DedicatedTerminal(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RDPPort(long value) = 0; // 35
    virtual HRESULT STDMETHODCALLTYPE get_RDPPort(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_EnableMouse(long value) = 0; // 37
    virtual HRESULT STDMETHODCALLTYPE get_EnableMouse(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DisableCtrlAltDel(long value) = 0; // 39
    virtual HRESULT STDMETHODCALLTYPE get_DisableCtrlAltDel(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_EnableWindowsKey(long value) = 0; // 41
    virtual HRESULT STDMETHODCALLTYPE get_EnableWindowsKey(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DoubleClickDetect(long value) = 0; // 43
    virtual HRESULT STDMETHODCALLTYPE get_DoubleClickDetect(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_MaximizeShell(long value) = 0; // 45
    virtual HRESULT STDMETHODCALLTYPE get_MaximizeShell(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_HotKeyFullScreen(long value) = 0; // 47
    virtual HRESULT STDMETHODCALLTYPE get_HotKeyFullScreen(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_HotKeyCtrlEsc(long value) = 0; // 49
    virtual HRESULT STDMETHODCALLTYPE get_HotKeyCtrlEsc(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_HotKeyAltEsc(long value) = 0; // 51
    virtual HRESULT STDMETHODCALLTYPE get_HotKeyAltEsc(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_HotKeyAltTab(long value) = 0; // 53
    virtual HRESULT STDMETHODCALLTYPE get_HotKeyAltTab(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_HotKeyAltShiftTab(long value) = 0; // 55
    virtual HRESULT STDMETHODCALLTYPE get_HotKeyAltShiftTab(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_HotKeyAltSpace(long value) = 0; // 57
    virtual HRESULT STDMETHODCALLTYPE get_HotKeyAltSpace(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_HotKeyCtrlAltDel(long value) = 0; // 59
    virtual HRESULT STDMETHODCALLTYPE get_HotKeyCtrlAltDel(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_orderDrawThreshold(long value) = 0; // 61
    virtual HRESULT STDMETHODCALLTYPE get_orderDrawThreshold(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BitmapCacheSize(long value) = 0; // 63
    virtual HRESULT STDMETHODCALLTYPE get_BitmapCacheSize(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BitmapVirtualCacheSize(long value) = 0; // 65
    virtual HRESULT STDMETHODCALLTYPE get_BitmapVirtualCacheSize(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ScaleBitmapCachesByBPP(long value) = 0; // 67
    virtual HRESULT STDMETHODCALLTYPE get_ScaleBitmapCachesByBPP(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_NumBitmapCaches(long value) = 0; // 69
    virtual HRESULT STDMETHODCALLTYPE get_NumBitmapCaches(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_CachePersistenceActive(long value) = 0; // 71
    virtual HRESULT STDMETHODCALLTYPE get_CachePersistenceActive(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_PersistCacheDirectory(BSTR value) = 0; // 73, put only
    virtual HRESULT STDMETHODCALLTYPE put_brushSupportLevel(long value) = 0;     // 74
    virtual HRESULT STDMETHODCALLTYPE get_brushSupportLevel(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_minInputSendInterval(long value) = 0; // 76
    virtual HRESULT STDMETHODCALLTYPE get_minInputSendInterval(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_InputEventsAtOnce(long value) = 0; // 78
    virtual HRESULT STDMETHODCALLTYPE get_InputEventsAtOnce(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_maxEventCount(long value) = 0; // 80
    virtual HRESULT STDMETHODCALLTYPE get_maxEventCount(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_keepAliveInterval(long value) = 0; // 82
    virtual HRESULT STDMETHODCALLTYPE get_keepAliveInterval(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_shutdownTimeout(long value) = 0; // 84
    virtual HRESULT STDMETHODCALLTYPE get_shutdownTimeout(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_overallConnectionTimeout(long value) = 0; // 86
    virtual HRESULT STDMETHODCALLTYPE get_overallConnectionTimeout(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_singleConnectionTimeout(long value) = 0; // 88
    virtual HRESULT STDMETHODCALLTYPE get_singleConnectionTimeout(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_KeyboardType(long value) = 0; // 90
    virtual HRESULT STDMETHODCALLTYPE get_KeyboardType(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_KeyboardSubType(long value) = 0; // 92
    virtual HRESULT STDMETHODCALLTYPE get_KeyboardSubType(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_KeyboardFunctionKey(long value) = 0; // 94
    virtual HRESULT STDMETHODCALLTYPE get_KeyboardFunctionKey(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_WinceFixedPalette(long value) = 0; // 96
    virtual HRESULT STDMETHODCALLTYPE get_WinceFixedPalette(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ConnectToServerConsole(VARIANT_BOOL value) = 0; // 98
    virtual HRESULT STDMETHODCALLTYPE get_ConnectToServerConsole(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BitmapPersistence(long value) = 0; // 100
    virtual HRESULT STDMETHODCALLTYPE get_BitmapPersistence(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_MinutesToIdleTimeout(long value) = 0; // 102
    virtual HRESULT STDMETHODCALLTYPE get_MinutesToIdleTimeout(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SmartSizing(VARIANT_BOOL value) = 0; // 104
    virtual HRESULT STDMETHODCALLTYPE get_SmartSizing(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RdpdrLocalPrintingDocName(BSTR value) = 0; // 106
    virtual HRESULT STDMETHODCALLTYPE get_RdpdrLocalPrintingDocName(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RdpdrClipCleanTempDirString(BSTR value) = 0; // 108
    virtual HRESULT STDMETHODCALLTYPE get_RdpdrClipCleanTempDirString(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RdpdrClipPasteInfoString(BSTR value) = 0; // 110
    virtual HRESULT STDMETHODCALLTYPE get_RdpdrClipPasteInfoString(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ClearTextPassword(BSTR value) = 0;            // 112, put only
    virtual HRESULT STDMETHODCALLTYPE put_DisplayConnectionBar(VARIANT_BOOL value) = 0; // 113
    virtual HRESULT STDMETHODCALLTYPE get_DisplayConnectionBar(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_PinConnectionBar(VARIANT_BOOL value) = 0; // 115
    virtual HRESULT STDMETHODCALLTYPE get_PinConnectionBar(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_GrabFocusOnConnect(VARIANT_BOOL value) = 0; // 117
    virtual HRESULT STDMETHODCALLTYPE get_GrabFocusOnConnect(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_LoadBalanceInfo(BSTR value) = 0; // 119
    virtual HRESULT STDMETHODCALLTYPE get_LoadBalanceInfo(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RedirectDrives(VARIANT_BOOL value) = 0; // 121
    virtual HRESULT STDMETHODCALLTYPE get_RedirectDrives(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RedirectPrinters(VARIANT_BOOL value) = 0; // 123
    virtual HRESULT STDMETHODCALLTYPE get_RedirectPrinters(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RedirectPorts(VARIANT_BOOL value) = 0; // 125
    virtual HRESULT STDMETHODCALLTYPE get_RedirectPorts(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RedirectSmartCards(VARIANT_BOOL value) = 0; // 127
    virtual HRESULT STDMETHODCALLTYPE get_RedirectSmartCards(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BitmapVirtualCache16BppSize(long value) = 0; // 129
    virtual HRESULT STDMETHODCALLTYPE get_BitmapVirtualCache16BppSize(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BitmapVirtualCache24BppSize(long value) = 0; // 131
    virtual HRESULT STDMETHODCALLTYPE get_BitmapVirtualCache24BppSize(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_PerformanceFlags(long value) = 0; // 133
    virtual HRESULT STDMETHODCALLTYPE get_PerformanceFlags(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ConnectWithEndpoint(VARIANT* value) = 0;   // 135, put only
    virtual HRESULT STDMETHODCALLTYPE put_NotifyTSPublicKey(VARIANT_BOOL value) = 0; // 136
    virtual HRESULT STDMETHODCALLTYPE get_NotifyTSPublicKey(VARIANT_BOOL* value) = 0;
};

struct IMsRdpClientAdvancedSettings2 : public IMsRdpClientAdvancedSettings {
    virtual HRESULT STDMETHODCALLTYPE get_CanAutoReconnect(VARIANT_BOOL* value) = 0;   // 138, get only
    virtual HRESULT STDMETHODCALLTYPE put_EnableAutoReconnect(VARIANT_BOOL value) = 0; // 139
    virtual HRESULT STDMETHODCALLTYPE get_EnableAutoReconnect(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_MaxReconnectAttempts(long value) = 0; // 141
    virtual HRESULT STDMETHODCALLTYPE get_MaxReconnectAttempts(long* value) = 0;
};

struct IMsRdpClientAdvancedSettings3 : public IMsRdpClientAdvancedSettings2 {
    virtual HRESULT STDMETHODCALLTYPE put_ConnectionBarShowMinimizeButton(VARIANT_BOOL value) = 0; // 143
    virtual HRESULT STDMETHODCALLTYPE get_ConnectionBarShowMinimizeButton(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ConnectionBarShowRestoreButton(VARIANT_BOOL value) = 0; // 145
    virtual HRESULT STDMETHODCALLTYPE get_ConnectionBarShowRestoreButton(VARIANT_BOOL* value) = 0;
};

struct IMsRdpClientAdvancedSettings4 : public IMsRdpClientAdvancedSettings3 {
    virtual HRESULT STDMETHODCALLTYPE put_AuthenticationLevel(UINT value) = 0; // 147
    virtual HRESULT STDMETHODCALLTYPE get_AuthenticationLevel(UINT* value) = 0;
};

struct IMsRdpClientAdvancedSettings5 : public IMsRdpClientAdvancedSettings4 {
    virtual HRESULT STDMETHODCALLTYPE put_RedirectClipboard(VARIANT_BOOL value) = 0; // 149
    virtual HRESULT STDMETHODCALLTYPE get_RedirectClipboard(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_AudioRedirectionMode(UINT value) = 0; // 151
    virtual HRESULT STDMETHODCALLTYPE get_AudioRedirectionMode(UINT* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ConnectionBarShowPinButton(VARIANT_BOOL value) = 0; // 153
    virtual HRESULT STDMETHODCALLTYPE get_ConnectionBarShowPinButton(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_PublicMode(VARIANT_BOOL value) = 0; // 155
    virtual HRESULT STDMETHODCALLTYPE get_PublicMode(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RedirectDevices(VARIANT_BOOL value) = 0; // 157
    virtual HRESULT STDMETHODCALLTYPE get_RedirectDevices(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RedirectPOSDevices(VARIANT_BOOL value) = 0; // 159
    virtual HRESULT STDMETHODCALLTYPE get_RedirectPOSDevices(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BitmapVirtualCache32BppSize(long value) = 0; // 161
    virtual HRESULT STDMETHODCALLTYPE get_BitmapVirtualCache32BppSize(long* value) = 0;
};

struct IMsRdpClientAdvancedSettings6 : public IMsRdpClientAdvancedSettings5 {
    virtual HRESULT STDMETHODCALLTYPE put_RelativeMouseMode(VARIANT_BOOL value) = 0; // 163
    virtual HRESULT STDMETHODCALLTYPE get_RelativeMouseMode(VARIANT_BOOL* value) = 0;
    // The next two pairs are get before put in the library.
    virtual HRESULT STDMETHODCALLTYPE get_AuthenticationServiceClass(BSTR* value) = 0; // 165
    virtual HRESULT STDMETHODCALLTYPE put_AuthenticationServiceClass(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_PCB(BSTR* value) = 0; // 167
    virtual HRESULT STDMETHODCALLTYPE put_PCB(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_HotKeyFocusReleaseLeft(long value) = 0; // 169
    virtual HRESULT STDMETHODCALLTYPE get_HotKeyFocusReleaseLeft(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_HotKeyFocusReleaseRight(long value) = 0; // 171
    virtual HRESULT STDMETHODCALLTYPE get_HotKeyFocusReleaseRight(long* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_EnableCredSspSupport(VARIANT_BOOL value) = 0; // 173
    virtual HRESULT STDMETHODCALLTYPE get_EnableCredSspSupport(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AuthenticationType(UINT* value) = 0;               // 175, get only
    virtual HRESULT STDMETHODCALLTYPE put_ConnectToAdministerServer(VARIANT_BOOL value) = 0; // 176
    virtual HRESULT STDMETHODCALLTYPE get_ConnectToAdministerServer(VARIANT_BOOL* value) = 0;
};

__CRT_UUID_DECL(IMsTscAdvancedSettings, 0x809945CC, 0x4B3B, 0x4A92, 0xA6, 0xB0, 0xDB, 0xF9, 0xB5, 0xF2, 0xEF,
                0x2D)
__CRT_UUID_DECL(IMsRdpClientAdvancedSettings, 0x3C65B4AB, 0x12B3, 0x465B, 0xAC, 0xD4, 0xB8, 0xDA, 0xD3, 0xBF,
                0xF9, 0xE2)
__CRT_UUID_DECL(IMsRdpClientAdvancedSettings2, 0x9AC42117, 0x2B76, 0x4320, 0xAA, 0x44, 0x0E, 0x61, 0x6A, 0xB8,
                0x43, 0x7B)
__CRT_UUID_DECL(IMsRdpClientAdvancedSettings3, 0x19CD856B, 0xC542, 0x4C53, 0xAC, 0xEE, 0xF1, 0x27, 0xE3, 0xBE,
                0x1A, 0x59)
__CRT_UUID_DECL(IMsRdpClientAdvancedSettings4, 0xFBA7F64E, 0x7345, 0x4405, 0xAE, 0x50, 0xFA, 0x4A, 0x76, 0x3D,
                0xC0, 0xDE)
__CRT_UUID_DECL(IMsRdpClientAdvancedSettings5, 0xFBA7F64E, 0x6783, 0x4405, 0xDA, 0x45, 0xFA, 0x4A, 0x76, 0x3D,
                0xAB, 0xD0)
__CRT_UUID_DECL(IMsRdpClientAdvancedSettings6, 0x222C4B5D, 0x45D9, 0x4DF0, 0xA7, 0xC6, 0x60, 0xCF, 0x90, 0x89,
                0xD2, 0x85)
