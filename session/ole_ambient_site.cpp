// The site's ambient properties (its IDispatch), its property-notification sink and its simple
// frame site.

#include "session/ole_control_site.h"

#include "base/win/ansi.h"
#include "framework/com_entry.h"
#include "session/ole_font.h"

namespace {

void SetLong(VARIANT& v, int32_t value) {
    v.vt = VT_I4;
    v.lVal = value;
}

void SetBool(VARIANT& v, bool value) {
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

} // namespace

// IDispatch: ambient properties

HRESULT TOleControl::TSite::TAmbientDispatch::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT TOleControl::TSite::TAmbientDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT TOleControl::TSite::TAmbientDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT TOleControl::TSite::TAmbientDispatch::Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS*,
                                                     VARIANT* result, EXCEPINFO*, UINT*) {
    if (!(flags & DISPATCH_PROPERTYGET) || !result)
        return DISP_E_MEMBERNOTFOUND;
    VariantInit(result);
    return ComEntry(&Host(), [&] { return AmbientProperty(dispid, *result); });
}

HRESULT TOleControl::TSite::TAmbientDispatch::AmbientProperty(DISPID dispid, VARIANT& result) const {
    TOleControl& host = Host();
    switch (dispid) {
    case DISPID_AMBIENT_BACKCOLOR:
        SetLong(result, host.Color());
        return S_OK;
    case DISPID_AMBIENT_DISPLAYNAME: {
        const std::wstring name = AnsiToWide(host.Name());
        result.bstrVal = SysAllocStringLen(name.data(), UINT(name.size()));
        if (!result.bstrVal)
            return E_OUTOFMEMORY;
        result.vt = VT_BSTR;
        return S_OK;
    }
    case DISPID_AMBIENT_FONT: {
        const TFont& font = host.ParentFont() && host.Parent() ? host.Parent()->Font() : host.Font();
        result.pdispVal = CreateOleFont(font).Detach();
        result.vt = VT_DISPATCH;
        return S_OK;
    }
    case DISPID_AMBIENT_FORECOLOR:
        SetLong(result, host.Font().Color());
        return S_OK;
    case DISPID_AMBIENT_LOCALEID:
        SetLong(result, int32_t(GetUserDefaultLCID()));
        return S_OK;
    case DISPID_AMBIENT_MESSAGEREFLECT:
    case DISPID_AMBIENT_USERMODE:
    case DISPID_AMBIENT_SUPPORTSMNEMONICS:
    case DISPID_AMBIENT_AUTOCLIP:
        SetBool(result, true);
        return S_OK;
    case DISPID_AMBIENT_UIDEAD:
    case DISPID_AMBIENT_SHOWGRABHANDLES:
    case DISPID_AMBIENT_SHOWHATCHING:
        SetBool(result, false);
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

// IPropertyNotifySink

HRESULT TOleControl::TSite::TPropertyNotifySink::OnChanged(DISPID dispid) {
    ComEntry(&Host(), [&] {
        Host().StockPropertyChanged(dispid);
        return S_OK;
    });
    return S_OK;
}

HRESULT TOleControl::TSite::TPropertyNotifySink::OnRequestEdit(DISPID) {
    return S_OK;
}

// ISimpleFrameSite

HRESULT TOleControl::TSite::TSimpleFrameSite::PreMessageFilter(HWND, UINT, WPARAM, LPARAM, LRESULT* result,
                                                               DWORD* cookie) {
    if (result)
        *result = 0;
    if (cookie)
        *cookie = 0;
    return S_OK;
}

HRESULT TOleControl::TSite::TSimpleFrameSite::PostMessageFilter(HWND, UINT, WPARAM, LPARAM, LRESULT* result,
                                                                DWORD) {
    if (result)
        *result = 0;
    return S_OK;
}
