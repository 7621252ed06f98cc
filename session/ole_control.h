#pragma once
// A control that embeds one ActiveX control and stands for it among the form's
// controls: it creates the control object from its class identifier, starts it with its stored
// state, activates it in place and takes the control's window as its own, negotiates its extent,
// reads and writes its properties by DISPID, and closes and releases it in a fixed order.
//
// The host is also the control's site (ole_control_site.h) and owns the sink that delivers the
// control's events (event_dispatch.h). The window owns the host; the host owns the sink and the
// control's interfaces. The references the control holds on the site and the sink are counted
// (SiteRefCount) but never decide a lifetime.

#include "base/win/com_ptr.h"
#include "base/win/global_memory.h"
#include "base/win/variant.h"
#include "framework/win_control.h"
#include "session/control_data.h"
#include "session/ole_stock_events.h"

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TEventArguments;
class TEventDispatch;
class TForm;

class TOleControl : public TWinControl {
  public:
    // Creates the control object that `controlData` describes; EOleSysError when the control
    // cannot be created, when it fails one of the first calls, or lacks IPersistStreamInit.
    TOleControl(TComponent* owner, const TControlData& controlData);
    ~TOleControl() override;
    const char* ClassName() const override { return "TOleControl"; }

    const TControlData& ControlDataRecord() const { return controlData_; }

    // The stored state handed to the control when it starts, as the window description holds
    // it (the ControlData property). A failed copy drops it: the control then starts fresh.
    void SetControlData(const std::vector<uint8_t>& bytes);
    // Whether stored state is still waiting to be loaded.
    bool HasStoredState() const { return bool(storedState_); }

    // Starts the control if it does not run yet: client site, stored state or a fresh start,
    // its interfaces, its property-notification and event connections.
    void EnsureRunning();
    bool Running() const { return bool(oleControl_); }
    // OLEMISC bits the control reported for its content at creation.
    DWORD MiscStatus() const { return miscStatus_; }
    // Whether the control is active in place (it has a window of its own under the host).
    bool InPlaceActive() const { return bool(inPlaceObject_); }
    // Whether the last activation in place failed. The failure was reported where it happened;
    // the host then stays without a window, shows nothing and takes no focus, and nothing but an
    // explicit SetFocus tries the activation again.
    bool ActivationFailed() const { return activationFailed_; }

    // Property access by DISPID through the control's IDispatch, after starting it. Any result
    // but S_OK raises EOleException (DISP_E_EXCEPTION) or EOleSysError.
    Variant GetDispProperty(DISPID dispid);
    // VT_DISPATCH values are written by reference (DISPATCH_PROPERTYPUTREF).
    void PutDispProperty(DISPID dispid, const VARIANT& value);
    std::wstring GetWideStringProp(DISPID dispid);
    // Empty text is written as the null BSTR.
    void SetWideStringProp(DISPID dispid, std::wstring_view value);
    // The low 16 bits of whatever the control puts in the result, without conversion.
    int16_t GetShortProp(DISPID dispid);
    int32_t GetIntegerProp(DISPID dispid);
    void SetIntegerProp(DISPID dispid, int32_t value);
    bool GetWordBoolProp(DISPID dispid);
    void SetWordBoolProp(DISPID dispid, bool value);

    // The control's IDispatch, after starting it.
    ComPtr<IDispatch> ControlDispatch();

    // References the control holds on the site's interfaces and the event sink.
    long SiteRefCount() const { return siteRefs_; }

    // The host's own notifications for the control's stock events (DISPIDs -600 to -607).
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TOleKeyEvent OnKeyDown;
    TOleKeyPressEvent OnKeyPress;
    TOleKeyEvent OnKeyUp;
    TOleMouseEvent OnMouseDown;
    TOleMouseEvent OnMouseMove;
    TOleMouseEvent OnMouseUp;

    // A new name is the control's new display name; a caption or text that still showed the
    // old name follows it, for records that ask for it.
    void SetName(std::string name) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;
    bool ReadProperty(TReader& reader, const DescProperty& prop) override;
    void HandleDestroyed(HWND hwnd) override;
    bool CanFocus() const override;
    // Gives the control's window the focus; a failed activation is tried once more first, and
    // its failure raised here.
    void SetFocus() override;

  protected:
    DECLARE_MESSAGE_MAP(TOleControl)

    // Calls the handler of event slot `slot` (the index of the event's DISPID in the
    // control-data record) with the event's arguments; the wrapper supplies the slots.
    virtual void InvokeEvent(int slot, const TEventArguments& args);

    // Closes the control without saving, then undoes the connections, releases its interfaces
    // and stored state and takes back the client site, in that order. Safe to run twice: the
    // wrapper runs it before releasing its own interface, the host's destructor again. The sink
    // goes with the host, after the wrapper let the control go: a control that refused to undo
    // the events connection still holds it, and releases it when it goes.
    void DestroyControl() noexcept;

    // Activates the control in place and takes its window as the host's.
    void CreateWnd() override;
    // The window is to be destroyed while the host lives: gives the control its window back.
    void DestroyWnd() override;
    bool ShouldShow() const override;
    // Painting of the host's own window, for a control invisible at run time.
    void Paint(HDC dc) override;
    void DialogKey(TMessage& m) override;
    void FontChanged() override;
    void ColorChanged() override;
    void EnabledChanged() override;

  private:
    class TSite;
    friend class TEventDispatch;

    // Creation steps after CoCreateInstance; the constructor undoes them on failure.
    void InitializeControl();
    void EnsureClientSite();
    void LoadStoredState();
    void ConnectEvents();
    void DisconnectEvents() noexcept;
    DWORD Advise(REFIID iid, IUnknown* sink);
    void Unadvise(REFIID iid, DWORD& cookie) noexcept;
    void ReleaseRunningInterfaces() noexcept;

    // The control's in-place object while it is active in place, for the site's requests.
    ComPtr<IOleInPlaceObject> InPlaceObject() const { return inPlaceObject_; }
    bool InvisibleAtRunTime() const { return (miscStatus_ & OLEMISC_INVISIBLEATRUNTIME) != 0; }
    HWND ParentHandle();
    TForm* Form() const;

    // Window: hooking the control's window, giving it back.
    bool HookControlWindow();
    void UnhookControlWindow() noexcept;
    void ForgetControlWindow() noexcept;
    void UIActivate();
    void UIDeactivate();
    // A key the loop's keyboard step offers the control's in-place object to translate first.
    bool TranslateKey(TMessage& m);
    bool Reflected(TMessage& m);
    bool UIActivateRequested(TMessage& m);
    bool UIDeactivateRequested(TMessage& m);
    bool IsMnemonic(const TMessage& m);

    // Extent (pixels <-> HIMETRIC with the screen's resolution).
    HRESULT RequestLayout();

    // The site's and the sink's requests.
    void InPlaceActivated();
    void InPlaceDeactivated() noexcept;
    void BecameUIActive();
    void StoppedBeingUIActive();
    void StockPropertyChanged(DISPID dispid);
    void DispatchEvent(DISPID dispid, const DISPPARAMS* params);
    void DispatchStockEvent(DISPID dispid, const TEventArguments& args);

    // Stock properties copied between the host and the control (control-data flags).
    void PullStockProperty(DISPID dispid);
    void PullStockProperties();
    void AmbientPropertyChanged(DISPID dispid) noexcept;

    const TControlData& controlData_;
    std::unique_ptr<TSite> site_;
    std::unique_ptr<TEventDispatch> eventDispatch_;
    long siteRefs_ = 0;

    ComPtr<IOleObject> oleObject_;
    ComPtr<IPersistStreamInit> persistStream_;
    ComPtr<IOleControl> oleControl_;
    ComPtr<IDispatch> controlDispatch_;
    ComPtr<IPerPropertyBrowsing> perPropertyBrowsing_;
    ComPtr<IOleInPlaceObject> inPlaceObject_;
    ComPtr<IOleInPlaceActiveObject> inPlaceActiveObject_;
    DWORD miscStatus_ = 0;
    GlobalMemory storedState_;
    DWORD propertyNotifyCookie_ = 0;
    DWORD eventsCookie_ = 0;

    // The control's window once hooked, and the procedure it had before the host's.
    HWND controlWindow_ = nullptr;
    WNDPROC previousProc_ = nullptr;
    bool activationFailed_ = false;

    // Re-entry guards for copying stock properties from the control.
    bool updatingColor_ = false;
    bool updatingFont_ = false;
    bool updatingEnabled_ = false;
};
