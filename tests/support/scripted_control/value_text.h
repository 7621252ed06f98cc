#pragma once
// Conversions between the typed arguments of the control's interfaces, the VARIANTs in which
// the scripted control keeps its values, and the texts of its record.

#include "base/win/variant.h"
#include "tests/support/scripted_control/call_text.h"

#include <windows.h>
#include <ole2.h>

#include <string>

namespace scripted {

inline Variant ToVariant(BSTR v) {
    return Variant::Text({v ? v : L"", SysStringLen(v)});
}
inline Variant ToVariant(long v) {
    return Variant::Long(v);
}
inline Variant ToVariant(short v) {
    return Variant::Short(v);
} // VARIANT_BOOL is a short too
inline Variant ToVariant(UINT v) {
    return Variant::Unsigned(v);
}

inline std::string ArgText(BSTR v) {
    return BstrText(v);
}
inline std::string ArgText(long v) {
    return std::to_string(v);
}
inline std::string ArgText(short v) {
    return std::to_string(v);
}
inline std::string ArgText(UINT v) {
    return std::to_string(v);
}

// Reads a stored value into an out-parameter: numbers converted, strings copied.
inline HRESULT FromVariant(const VARIANT& stored, VARTYPE type, VARIANT& converted) {
    return VariantChangeType(&converted, const_cast<VARIANT*>(&stored), 0, type);
}
inline HRESULT FromVariant(const VARIANT& stored, long* out) {
    VARIANT v;
    VariantInit(&v);
    const HRESULT hr = FromVariant(stored, VT_I4, v);
    *out = SUCCEEDED(hr) ? v.lVal : 0;
    return hr;
}
inline HRESULT FromVariant(const VARIANT& stored, short* out) {
    VARIANT v;
    VariantInit(&v);
    const HRESULT hr = FromVariant(stored, stored.vt == VT_BOOL ? VT_BOOL : VT_I2, v);
    *out = SUCCEEDED(hr) ? (v.vt == VT_BOOL ? v.boolVal : v.iVal) : 0;
    return hr;
}
inline HRESULT FromVariant(const VARIANT& stored, UINT* out) {
    VARIANT v;
    VariantInit(&v);
    const HRESULT hr = FromVariant(stored, VT_UI4, v);
    *out = SUCCEEDED(hr) ? v.ulVal : 0;
    return hr;
}
inline HRESULT FromVariant(const VARIANT& stored, BSTR* out) {
    *out = nullptr;
    if (stored.vt == VT_EMPTY || (stored.vt == VT_BSTR && !stored.bstrVal))
        return S_OK;
    VARIANT v;
    VariantInit(&v);
    const HRESULT hr = FromVariant(stored, VT_BSTR, v);
    if (SUCCEEDED(hr))
        *out = v.bstrVal; // handed over with the VARIANT's string
    return hr;
}

} // namespace scripted
