#include "session/event_arguments.h"

#include "session/ole_errors.h"

const VARIANT& TEventArguments::At(unsigned index) const {
    if (index >= Count() || !params_->rgvarg)
        throw EOleSysError(DISP_E_BADPARAMCOUNT);
    return params_->rgvarg[Count() - 1 - index];
}

const VARIANT& TEventArguments::As(unsigned index, VARTYPE type) const {
    const VARIANT& arg = At(index);
    if (arg.vt == type)
        return arg;
    Variant& copy = converted_.emplace_back();
    // VariantChangeType reads through VT_BYREF itself.
    if (FAILED(VariantChangeType(copy.Ptr(), const_cast<VARIANT*>(&arg), 0, type)))
        throw EOleSysError(DISP_E_TYPEMISMATCH);
    return copy.Get();
}

int32_t TEventArguments::Long(unsigned index) const {
    return As(index, VT_I4).lVal;
}

uint32_t TEventArguments::ULong(unsigned index) const {
    return As(index, VT_UI4).ulVal;
}

VARIANT_BOOL TEventArguments::Bool(unsigned index) const {
    return As(index, VT_BOOL).boolVal;
}

BSTR TEventArguments::String(unsigned index) const {
    return As(index, VT_BSTR).bstrVal;
}

int16_t& TEventArguments::ShortRef(unsigned index) const {
    const VARIANT& arg = At(index);
    if (arg.vt == (VT_BYREF | VT_I2) && arg.piVal)
        return *arg.piVal;
    Variant& copy = converted_.emplace_back();
    if (FAILED(VariantChangeType(copy.Ptr(), const_cast<VARIANT*>(&arg), 0, VT_I2)))
        throw EOleSysError(DISP_E_TYPEMISMATCH);
    return copy.Ptr()->iVal;
}
