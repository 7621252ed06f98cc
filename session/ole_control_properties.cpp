// The control's properties by DISPID, the stock properties kept in step with the host, and the
// ambient properties the control is told about when they change.

#include "session/ole_control.h"

#include "base/scope_guard.h"
#include "base/win/ansi.h"

#include "session/ole_check.h"
#include "session/ole_errors.h"
#include "session/ole_font.h"

#include <cstring>

namespace {

// Raises unless the value can be read as `type`; answers the converted copy.
Variant Converted(const Variant& value, VARTYPE type) {
    Variant result;
    OleCheck(VariantChangeType(result.Ptr(), const_cast<VARIANT*>(&value.Get()), 0, type));
    return result;
}

} // namespace

ComPtr<IDispatch> TOleControl::ControlDispatch() {
    EnsureRunning();
    return controlDispatch_;
}

Variant TOleControl::GetDispProperty(DISPID dispid) {
    const ComPtr<IDispatch> dispatch = ControlDispatch();
    Variant result;
    // VT_EMPTY with a zeroed value: a control that answers without setting a value reads as 0.
    std::memset(result.Put(), 0, sizeof(VARIANT));
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXCEPINFO excepInfo{};
    const HRESULT hr =
        dispatch->Invoke(dispid, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, result.Ptr(), &excepInfo, nullptr);
    DispatchInvokeCheck(hr, excepInfo);
    return result;
}

void TOleControl::PutDispProperty(DISPID dispid, const VARIANT& value) {
    const ComPtr<IDispatch> dispatch = ControlDispatch();
    VARIANT argument = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&argument, &named, 1, 1};
    const WORD flags = value.vt == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    EXCEPINFO excepInfo{};
    UINT argError = 0;
    const HRESULT hr = dispatch->Invoke(dispid, IID_NULL, 0, flags, &params, nullptr, &excepInfo, &argError);
    DispatchInvokeCheck(hr, excepInfo);
}

std::wstring TOleControl::GetWideStringProp(DISPID dispid) {
    const Variant value = Converted(GetDispProperty(dispid), VT_BSTR);
    const BSTR text = value.Get().bstrVal;
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

void TOleControl::SetWideStringProp(DISPID dispid, std::wstring_view value) {
    PutDispProperty(dispid, Variant::Text(value).Get());
}

int16_t TOleControl::GetShortProp(DISPID dispid) {
    const Variant value = GetDispProperty(dispid);
    int16_t low = 0;
    std::memcpy(&low, &value.Get().iVal, sizeof low);
    return low;
}

int32_t TOleControl::GetIntegerProp(DISPID dispid) {
    return Converted(GetDispProperty(dispid), VT_I4).Get().lVal;
}

void TOleControl::SetIntegerProp(DISPID dispid, int32_t value) {
    PutDispProperty(dispid, Variant::Long(value).Get());
}

bool TOleControl::GetWordBoolProp(DISPID dispid) {
    return Converted(GetDispProperty(dispid), VT_BOOL).Get().boolVal != VARIANT_FALSE;
}

void TOleControl::SetWordBoolProp(DISPID dispid, bool value) {
    PutDispProperty(dispid, Variant::Bool(value).Get());
}

// Stock properties

void TOleControl::PullStockProperties() {
    static constexpr struct {
        uint32_t flag;
        DISPID dispid;
    } kStock[] = {{cdBackColor, DISPID_BACKCOLOR},
                  {cdForeColor, DISPID_FORECOLOR},
                  {cdFont, DISPID_FONT},
                  {cdEnabled, DISPID_ENABLED}};
    for (const auto& s : kStock)
        if (controlData_.Flags & s.flag)
            PullStockProperty(s.dispid);
}

void TOleControl::StockPropertyChanged(DISPID dispid) {
    PullStockProperty(dispid);
}

// While a property is copied one way, the updating flag is set: a change the copy causes is not
// copied back, and a nested notification is ignored.
void TOleControl::PullStockProperty(DISPID dispid) {
    // A control that fails the read leaves the host's value as it was; only OLE errors are
    // expected here, anything else goes on to the caller.
    try {
        switch (dispid) {
        case DISPID_BACKCOLOR:
            if (!updatingColor_) {
                const ScopedValue<bool> updating(updatingColor_, true);
                SetColor(GetIntegerProp(dispid));
            }
            break;
        case DISPID_FORECOLOR:
            if (!updatingFont_) {
                const ScopedValue<bool> updating(updatingFont_, true);
                Font().SetColor(GetIntegerProp(dispid));
            }
            break;
        case DISPID_FONT:
            if (!updatingFont_) {
                const ScopedValue<bool> updating(updatingFont_, true);
                const Variant font = GetDispProperty(dispid);
                if (font.Type() == VT_DISPATCH || font.Type() == VT_UNKNOWN)
                    AssignOleFont(Font(), font.Get().punkVal);
            }
            break;
        case DISPID_ENABLED:
            if (!updatingEnabled_) {
                const ScopedValue<bool> updating(updatingEnabled_, true);
                SetEnabled(GetWordBoolProp(dispid));
            }
            break;
        default:
            break;
        }
    } catch (const EOleError&) {
    }
}

void TOleControl::ColorChanged() {
    TWinControl::ColorChanged();
    if (!Running())
        return;
    AmbientPropertyChanged(DISPID_AMBIENT_BACKCOLOR);
    if ((controlData_.Flags & cdBackColor) && !updatingColor_) {
        const ScopedValue<bool> updating(updatingColor_, true);
        SetIntegerProp(DISPID_BACKCOLOR, Color());
    }
}

void TOleControl::FontChanged() {
    TWinControl::FontChanged();
    if (!Running())
        return;
    AmbientPropertyChanged(DISPID_AMBIENT_FONT);
    AmbientPropertyChanged(DISPID_AMBIENT_FORECOLOR);
    if (updatingFont_)
        return;
    const ScopedValue<bool> updating(updatingFont_, true);
    if (controlData_.Flags & cdFont)
        PutDispProperty(DISPID_FONT, Variant::Dispatch(CreateOleFont(Font()).Get()).Get());
    if (controlData_.Flags & cdForeColor)
        SetIntegerProp(DISPID_FORECOLOR, Font().Color());
}

void TOleControl::EnabledChanged() {
    TWinControl::EnabledChanged();
    if (Running() && (controlData_.Flags & cdEnabled) && !updatingEnabled_) {
        const ScopedValue<bool> updating(updatingEnabled_, true);
        SetWordBoolProp(DISPID_ENABLED, Enabled());
    }
}

void TOleControl::SetName(std::string name) {
    const std::string old = Name();
    TWinControl::SetName(std::move(name));
    if (old == Name() || Loading())
        return;
    for (const auto& [flag, dispid] :
         {std::pair{cdCaption, DISPID_CAPTION}, std::pair{cdText, DISPID_TEXT}}) {
        if ((controlData_.Flags & flag) && GetWideStringProp(dispid) == AnsiToWide(old))
            SetWideStringProp(dispid, AnsiToWide(Name()));
    }
    if (Running())
        AmbientPropertyChanged(DISPID_AMBIENT_DISPLAYNAME);
}

void TOleControl::AmbientPropertyChanged(DISPID dispid) noexcept {
    if (oleControl_)
        oleControl_->OnAmbientPropertyChange(dispid);
}
