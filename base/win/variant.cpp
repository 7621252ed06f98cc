#include "base/win/variant.h"

#include <new>

Variant::Variant(Variant&& other) noexcept : v_(other.Detach()) {}

Variant& Variant::operator=(Variant&& other) noexcept {
    if (this != &other) {
        VariantClear(&v_);
        v_ = other.Detach();
    }
    return *this;
}

Variant Variant::Long(int32_t value) noexcept {
    Variant v;
    v.v_.vt = VT_I4;
    v.v_.lVal = value;
    return v;
}

Variant Variant::Short(int16_t value) noexcept {
    Variant v;
    v.v_.vt = VT_I2;
    v.v_.iVal = value;
    return v;
}

Variant Variant::Unsigned(uint32_t value) noexcept {
    Variant v;
    v.v_.vt = VT_UI4;
    v.v_.ulVal = value;
    return v;
}

Variant Variant::Bool(bool value) noexcept {
    Variant v;
    v.v_.vt = VT_BOOL;
    v.v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::Text(std::wstring_view text) {
    Variant v;
    if (!text.empty()) {
        v.v_.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (!v.v_.bstrVal)
            throw std::bad_alloc();
    }
    v.v_.vt = VT_BSTR;
    return v;
}

Variant Variant::Dispatch(IDispatch* value) noexcept {
    Variant v;
    v.v_.vt = VT_DISPATCH;
    v.v_.pdispVal = value;
    if (value)
        value->AddRef();
    return v;
}

Variant Variant::Unknown(IUnknown* value) noexcept {
    Variant v;
    v.v_.vt = VT_UNKNOWN;
    v.v_.punkVal = value;
    if (value)
        value->AddRef();
    return v;
}

Variant Variant::Copy(const VARIANT& source) {
    Variant v;
    if (FAILED(VariantCopy(&v.v_, const_cast<VARIANT*>(&source))))
        throw std::bad_alloc();
    return v;
}

Variant Variant::Adopt(VARIANT& source) noexcept {
    Variant v;
    v.v_ = source;
    VariantInit(&source);
    return v;
}

VARIANT Variant::Detach() noexcept {
    VARIANT out = v_;
    VariantInit(&v_);
    return out;
}
