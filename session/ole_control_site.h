#pragma once
// The host's side of the OLE conversation: the site that the embedded control calls back. It is
// one object with one reference count (the host's); each interface is a small part whose
// IUnknown forwards to it. The parts answer only what the host supports: no windowless
// activation, no menus or toolbars to merge, no container.

#include "session/ole_control.h"

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

class TOleControl::TSite {
  public:
    explicit TSite(TOleControl& host);
    TSite(const TSite&) = delete;
    TSite& operator=(const TSite&) = delete;

    HRESULT QueryInterface(REFIID iid, void** out);
    ULONG AddRef() { return static_cast<ULONG>(++host_.siteRefs_); }
    ULONG Release() { return static_cast<ULONG>(--host_.siteRefs_); }

    // The site's identity, which the control's connection points and SetClientSite receive.
    IUnknown* Unknown() { return &clientSite_; }
    IOleClientSite* ClientSite() { return &clientSite_; }
    IOleInPlaceFrame* Frame() { return &frame_; }

  private:
    // The IUnknown of every part: the site's.
    template <class Interface>
    class TPart : public Interface {
      public:
        explicit TPart(TSite& site) : site_(site) {}
        TPart(const TPart&) = delete;
        TPart& operator=(const TPart&) = delete;
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
            return site_.QueryInterface(iid, out);
        }
        ULONG STDMETHODCALLTYPE AddRef() override { return site_.AddRef(); }
        ULONG STDMETHODCALLTYPE Release() override { return site_.Release(); }

      protected:
        TOleControl& Host() const { return site_.host_; }

        TSite& site_;
    };

    class TClientSite final : public TPart<IOleClientSite> {
      public:
        using TPart::TPart;
        HRESULT STDMETHODCALLTYPE SaveObject() override;
        HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
        HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
        HRESULT STDMETHODCALLTYPE ShowObject() override;
        HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL show) override;
        HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;
    };

    class TControlSite final : public TPart<IOleControlSite> {
      public:
        using TPart::TPart;
        HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override;
        HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL lock) override;
        HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** control) override;
        HRESULT STDMETHODCALLTYPE TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) override;
        HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* msg, DWORD modifiers) override;
        HRESULT STDMETHODCALLTYPE OnFocus(BOOL gotFocus) override;
        HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override;
    };

    class TInPlaceSite final : public TPart<IOleInPlaceSite> {
      public:
        using TPart::TPart;
        HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
        HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) override;
        HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
        HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
        HRESULT STDMETHODCALLTYPE OnUIActivate() override;
        HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                                   LPRECT position, LPRECT clip,
                                                   LPOLEINPLACEFRAMEINFO frameInfo) override;
        HRESULT STDMETHODCALLTYPE Scroll(SIZE extent) override;
        HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL undoable) override;
        HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
        HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
        HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
        HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) override;
    };

    class TInPlaceFrame final : public TPart<IOleInPlaceFrame> {
      public:
        using TPart::TPart;
        HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
        HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) override;
        HRESULT STDMETHODCALLTYPE GetBorder(LPRECT border) override;
        HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS widths) override;
        HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS widths) override;
        HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR name) override;
        HRESULT STDMETHODCALLTYPE InsertMenus(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
        HRESULT STDMETHODCALLTYPE SetMenu(HMENU shared, HOLEMENU descriptor, HWND activeObject) override;
        HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU shared) override;
        HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR text) override;
        HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
        HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg, WORD id) override;
    };

    // Ambient properties.
    class TAmbientDispatch final : public TPart<IDispatch> {
      public:
        using TPart::TPart;
        HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
        HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
        HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                                DISPID* ids) override;
        HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                         VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) override;

      private:
        HRESULT AmbientProperty(DISPID dispid, VARIANT& result) const;
    };

    class TPropertyNotifySink final : public TPart<IPropertyNotifySink> {
      public:
        using TPart::TPart;
        HRESULT STDMETHODCALLTYPE OnChanged(DISPID dispid) override;
        HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID dispid) override;
    };

    class TSimpleFrameSite final : public TPart<ISimpleFrameSite> {
      public:
        using TPart::TPart;
        HRESULT STDMETHODCALLTYPE PreMessageFilter(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                                   LRESULT* result, DWORD* cookie) override;
        HRESULT STDMETHODCALLTYPE PostMessageFilter(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                                    LRESULT* result, DWORD cookie) override;
    };

    TOleControl& host_;
    TClientSite clientSite_{*this};
    TControlSite controlSite_{*this};
    TInPlaceSite inPlaceSite_{*this};
    TInPlaceFrame frame_{*this};
    TAmbientDispatch ambient_{*this};
    TPropertyNotifySink propertyNotify_{*this};
    TSimpleFrameSite simpleFrame_{*this};
};
