#pragma once
// The scripted stand-in for the remote desktop control: an in-process ActiveX control with the
// interfaces a host uses, which records every call into its ScriptedInstance and answers as the
// script says. It never opens a network connection; after Connect it stays "connecting", unless
// the script simulates the development accounts (demo_session.h).
// Every COM method catches at its boundary and answers with an HRESULT.

#include "base/win/com_ptr.h"
#include "session/rdp_client.h"
#include "tests/support/scripted_control/connection_point.h"
#include "tests/support/scripted_control/demo_session.h"
#include "tests/support/scripted_control/scripted_instance.h"

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <memory>
#include <string>

namespace scripted {

class ScriptedControl final : public IMsRdpClient6,
                              public IOleObject,
                              public IPersistStreamInit,
                              public IOleControl,
                              public IOleInPlaceObject,
                              public IOleInPlaceActiveObject,
                              public IConnectionPointContainer,
                              public IPerPropertyBrowsing {
  public:
    explicit ScriptedControl(std::shared_ptr<ScriptedInstance> instance);
    ScriptedControl(const ScriptedControl&) = delete;
    ScriptedControl& operator=(const ScriptedControl&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: the DISPID properties
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) override;

    // IMsTscAx
    HRESULT STDMETHODCALLTYPE put_Server(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_Server(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE put_Domain(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_Domain(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE put_UserName(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_UserName(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE put_DisconnectedText(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_DisconnectedText(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE put_ConnectingText(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_ConnectingText(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_Connected(short* value) override;
    HRESULT STDMETHODCALLTYPE put_DesktopWidth(long value) override;
    HRESULT STDMETHODCALLTYPE get_DesktopWidth(long* value) override;
    HRESULT STDMETHODCALLTYPE put_DesktopHeight(long value) override;
    HRESULT STDMETHODCALLTYPE get_DesktopHeight(long* value) override;
    HRESULT STDMETHODCALLTYPE put_StartConnected(long value) override;
    HRESULT STDMETHODCALLTYPE get_StartConnected(long* value) override;
    HRESULT STDMETHODCALLTYPE get_HorizontalScrollBarVisible(long* value) override;
    HRESULT STDMETHODCALLTYPE get_VerticalScrollBarVisible(long* value) override;
    HRESULT STDMETHODCALLTYPE put_FullScreenTitle(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_CipherStrength(long* value) override;
    HRESULT STDMETHODCALLTYPE get_Version(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_SecuredSettingsEnabled(long* value) override;
    HRESULT STDMETHODCALLTYPE get_SecuredSettings(IMsTscSecuredSettings** value) override;
    HRESULT STDMETHODCALLTYPE get_AdvancedSettings(IMsTscAdvancedSettings** value) override;
    HRESULT STDMETHODCALLTYPE get_Debugger(IMsTscDebug** value) override;
    HRESULT STDMETHODCALLTYPE Connect() override;
    HRESULT STDMETHODCALLTYPE Disconnect() override;
    HRESULT STDMETHODCALLTYPE CreateVirtualChannels(BSTR channelNames) override;
    HRESULT STDMETHODCALLTYPE SendOnVirtualChannel(BSTR channelName, BSTR data) override;
    // IMsRdpClient
    HRESULT STDMETHODCALLTYPE put_ColorDepth(long value) override;
    HRESULT STDMETHODCALLTYPE get_ColorDepth(long* value) override;
    HRESULT STDMETHODCALLTYPE get_AdvancedSettings2(IMsRdpClientAdvancedSettings** value) override;
    HRESULT STDMETHODCALLTYPE get_SecuredSettings2(IMsRdpClientSecuredSettings** value) override;
    HRESULT STDMETHODCALLTYPE get_ExtendedDisconnectReason(ExtendedDisconnectReasonCode* value) override;
    HRESULT STDMETHODCALLTYPE put_FullScreen(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_FullScreen(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE SetVirtualChannelOptions(BSTR channelName, long options) override;
    HRESULT STDMETHODCALLTYPE GetVirtualChannelOptions(BSTR channelName, long* options) override;
    HRESULT STDMETHODCALLTYPE RequestClose(ControlCloseStatus* closeStatus) override;
    // IMsRdpClient2 to IMsRdpClient6
    HRESULT STDMETHODCALLTYPE get_AdvancedSettings3(IMsRdpClientAdvancedSettings2** value) override;
    HRESULT STDMETHODCALLTYPE put_ConnectedStatusText(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_ConnectedStatusText(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_AdvancedSettings4(IMsRdpClientAdvancedSettings3** value) override;
    HRESULT STDMETHODCALLTYPE get_AdvancedSettings5(IMsRdpClientAdvancedSettings4** value) override;
    HRESULT STDMETHODCALLTYPE get_TransportSettings(IMsRdpClientTransportSettings** value) override;
    HRESULT STDMETHODCALLTYPE get_AdvancedSettings6(IMsRdpClientAdvancedSettings5** value) override;
    HRESULT STDMETHODCALLTYPE GetErrorDescription(UINT disconnectReason, UINT extendedDisconnectReason,
                                                  BSTR* errorDescription) override;
    HRESULT STDMETHODCALLTYPE get_RemoteProgram(ITSRemoteProgram** value) override;
    HRESULT STDMETHODCALLTYPE get_MsRdpClientShell(IMsRdpClientShell** value) override;
    HRESULT STDMETHODCALLTYPE get_AdvancedSettings7(IMsRdpClientAdvancedSettings6** value) override;
    HRESULT STDMETHODCALLTYPE get_TransportSettings2(IMsRdpClientTransportSettings2** value) override;

    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR app, LPCOLESTR object) override;
    HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD which, IMoniker* moniker) override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD reserved, IDataObject** data) override;
    HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG msg, IOleClientSite* site, LONG index, HWND parent,
                                     LPCRECT posRect) override;
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) override;
    HRESULT STDMETHODCALLTYPE Update() override;
    HRESULT STDMETHODCALLTYPE IsUpToDate() override;
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* userType) override;
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** advise) override;
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE* palette) override;

    // IPersistStreamInit
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE IsDirty() override;
    HRESULT STDMETHODCALLTYPE Load(LPSTREAM stream) override;
    HRESULT STDMETHODCALLTYPE Save(LPSTREAM stream, BOOL clearDirty) override;
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
    HRESULT STDMETHODCALLTYPE InitNew() override;

    // IOleControl
    HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
    HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* msg) override;
    HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID dispid) override;
    HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;

    // IOleWindow, shared by IOleInPlaceObject and IOleInPlaceActiveObject
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
    // IOleInPlaceObject
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE UIDeactivate() override;
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT posRect, LPCRECT clipRect) override;
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;
    // IOleInPlaceActiveObject
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg) override;
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) override;
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) override;
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frame) override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // IPerPropertyBrowsing
    HRESULT STDMETHODCALLTYPE GetDisplayString(DISPID dispid, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE MapPropertyToPage(DISPID dispid, CLSID* page) override;
    HRESULT STDMETHODCALLTYPE GetPredefinedStrings(DISPID dispid, CALPOLESTR* strings,
                                                   CADWORD* cookies) override;
    HRESULT STDMETHODCALLTYPE GetPredefinedValue(DISPID dispid, DWORD cookie, VARIANT* value) override;

    // Driven by ScriptedInstance for a test.
    HRESULT FireEvent(DISPID dispid, std::vector<Variant>& args);
    HRESULT NotifyPropertyChanged(DISPID dispid);
    HRESULT ReadAmbient(DISPID dispid, Variant& value);
    HWND Window() const { return hwnd_; }
    std::vector<ComPtr<IUnknown>> EventSinks() const { return events_.Sinks(); }
    bool InPlaceActive() const { return inPlaceActive_; }
    bool UIActive() const { return uiActive_; }
    bool Connecting() const { return connecting_; }
    // From the simulated session: the value Connected reads from now on; no longer connecting.
    void SetConnected(bool connected);
    // The simulated session, when the script asks for one.
    DemoSession* Demo() const { return demo_.get(); }
    ComPtr<IOleClientSite> ClientSite() const { return clientSite_; }

    // From the control's window procedure.
    void OnWindowFocus(bool gained) noexcept;
    // An OCM_ message: a notification the window sent its parent, reflected back by the host.
    void OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void OnWindowDestroyed() { hwnd_ = nullptr; }
    // A character the window received (WM_CHAR), as UTF-16.
    void OnWindowCharacter(wchar_t c) { typed_ += c; }
    const std::wstring& TypedText() const { return typed_; }

  private:
    ~ScriptedControl();

    template <class T>
    HRESULT PutProperty(const char* call, DISPID dispid, T value);
    template <class T>
    HRESULT GetProperty(const char* call, DISPID dispid, T* out);
    // A call that only records itself, answers as scripted, and otherwise returns `hr`.
    template <class... Args>
    HRESULT Plain(const char* name, HRESULT hr, const Args&... args);
    template <class Settings>
    HRESULT HandOutSettings(const char* call, Settings** out);
    HRESULT InvokeProperty(DISPID dispid, WORD flags, DISPPARAMS* params, VARIANT* result, UINT* argError);

    // A query for an interface the control has, that the script answers as a failing call.
    bool QueryRefused(REFIID iid) noexcept;
    HRESULT ActivateInPlace(IOleClientSite* site, bool uiActivate);
    HRESULT ActivateUI();
    void DeactivateUI();
    void DeactivateInPlace();
    void RecordSite(const std::string& call, HRESULT hr) { instance_->RecordOutgoing(call, hr); }

    std::shared_ptr<ScriptedInstance> instance_;
    ConnectionPoint propertyNotify_;
    ConnectionPoint events_;
    ComPtr<IOleClientSite> clientSite_;
    ComPtr<IOleInPlaceSite> inPlaceSite_;
    ComPtr<IOleInPlaceFrame> frame_;
    HWND hwnd_ = nullptr;
    std::wstring typed_;
    HACCEL accelerators_ = nullptr;
    SIZEL extent_;
    bool initialised_ = false;
    bool inPlaceActive_ = false;
    bool uiActive_ = false;
    bool connecting_ = false;
    std::unique_ptr<DemoSession> demo_;
};

} // namespace scripted
