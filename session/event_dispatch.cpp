#include "session/event_dispatch.h"

#include "framework/application_services.h"
#include "session/ole_control.h"

HRESULT TEventDispatch::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualGUID(iid, IID_IUnknown) && !IsEqualGUID(iid, IID_IDispatch) &&
        !IsEqualGUID(iid, host_.ControlDataRecord().EventIID))
        return E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG TEventDispatch::AddRef() {
    return static_cast<ULONG>(++host_.siteRefs_);
}

ULONG TEventDispatch::Release() {
    return static_cast<ULONG>(--host_.siteRefs_);
}

HRESULT TEventDispatch::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT TEventDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT TEventDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT TEventDispatch::Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                               UINT*) {
    try {
        host_.DispatchEvent(dispid, params);
    } catch (...) {
        ReportException(&host_);
    }
    return S_OK;
}
