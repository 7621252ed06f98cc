#pragma once
// The event sink a host connects to its control's events connection point: a plain IDispatch
// whose references go to the host's count. Each call becomes one call of the host's event
// dispatch; an exception escaping a handler goes to the application's exception handler with
// the host as sender, and the control always gets S_OK.

#include <windows.h>
#include <ole2.h>

class TOleControl;

class TEventDispatch final : public IDispatch {
  public:
    explicit TEventDispatch(TOleControl& host) : host_(host) {}
    TEventDispatch(const TEventDispatch&) = delete;
    TEventDispatch& operator=(const TEventDispatch&) = delete;

    // IUnknown, IDispatch and the control-data record's events IID.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    // Ignores riid, the locale and the flags.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) override;

  private:
    TOleControl& host_;
};
