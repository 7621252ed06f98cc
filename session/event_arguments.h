#pragma once
// The arguments of one event call as the control passes them in DISPPARAMS, read in declaration
// order: the last element of rgvarg is the first argument. Values of another type than the one
// declared are converted; by-reference values are read through their pointer. Converted values
// live as long as this object, for the duration of the call.

#include "base/win/variant.h"

#include <windows.h>
#include <ole2.h>

#include <cstdint>
#include <deque>

class TEventArguments {
  public:
    // `params` may be null: an event without arguments.
    explicit TEventArguments(const DISPPARAMS* params) : params_(params) {}
    TEventArguments(const TEventArguments&) = delete;
    TEventArguments& operator=(const TEventArguments&) = delete;

    unsigned Count() const { return params_ ? params_->cArgs : 0; }

    // Each raises EOleSysError (DISP_E_BADPARAMCOUNT) when the argument is missing and
    // (DISP_E_TYPEMISMATCH) when it cannot be converted to the declared type.
    int32_t Long(unsigned index) const;
    uint32_t ULong(unsigned index) const;
    VARIANT_BOOL Bool(unsigned index) const;
    // The BSTR itself, valid for the call; the handler does not free it.
    BSTR String(unsigned index) const;
    // A by-reference 16-bit argument: changes reach the control. For a value passed by value
    // the changes are kept here only.
    int16_t& ShortRef(unsigned index) const;
    int16_t Short(unsigned index) const { return ShortRef(index); }

  private:
    const VARIANT& At(unsigned index) const;
    // The argument as `type`, by value: the argument itself, its referent, or a converted copy.
    const VARIANT& As(unsigned index, VARTYPE type) const;

    const DISPPARAMS* params_;
    mutable std::deque<Variant> converted_;
};
