#pragma once
// An owned VARIANT: initialised empty, cleared with VariantClear (which frees a BSTR and releases
// an interface it holds). Not copyable except through Copy(); movable.

#include <windows.h>
#include <ole2.h>

#include <cstdint>
#include <string_view>

class Variant {
  public:
    Variant() noexcept { VariantInit(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept;
    Variant& operator=(Variant&& other) noexcept;
    ~Variant() { VariantClear(&v_); }

    static Variant Long(int32_t value) noexcept;
    static Variant Short(int16_t value) noexcept;
    static Variant Unsigned(uint32_t value) noexcept;
    static Variant Bool(bool value) noexcept;
    // VT_BSTR; empty text gives the null BSTR. Throws std::bad_alloc.
    static Variant Text(std::wstring_view text);
    // VT_DISPATCH or VT_UNKNOWN with its own reference.
    static Variant Dispatch(IDispatch* value) noexcept;
    static Variant Unknown(IUnknown* value) noexcept;
    // A deep copy (VariantCopy); throws std::bad_alloc when it fails.
    static Variant Copy(const VARIANT& source);
    // Takes over a VARIANT that the caller owns; the source is left VT_EMPTY.
    static Variant Adopt(VARIANT& source) noexcept;

    const VARIANT& Get() const noexcept { return v_; }
    VARIANT* Ptr() noexcept { return &v_; }
    VARTYPE Type() const noexcept { return v_.vt; }

    void Reset() noexcept { VariantClear(&v_); }
    // For an out-parameter: clears what is held and gives the VARIANT to fill.
    VARIANT* Put() noexcept {
        VariantClear(&v_);
        return &v_;
    }
    // Hands the value to the caller, who must clear it.
    VARIANT Detach() noexcept;

  private:
    VARIANT v_;
};
