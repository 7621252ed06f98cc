// The scripted control's identity, reference count, IDispatch properties and the things it
// does on its own for a test: events, property notifications, ambient property reads.

#include "tests/support/scripted_control/scripted_control.h"

#include "session/rdp_ids.h"
#include "tests/support/scripted_control/call_text.h"
#include "tests/support/scripted_control/module_count.h"
#include "tests/support/scripted_control/standin_window.h"

namespace scripted {

namespace {

struct PropertyInfo {
    DISPID dispid;
    VARTYPE type;
    bool readOnly;
};

constexpr PropertyInfo kProperties[] = {
    {RdpDispId::Server, VT_BSTR, false},
    {RdpDispId::Domain, VT_BSTR, false},
    {RdpDispId::UserName, VT_BSTR, false},
    {RdpDispId::DisconnectedText, VT_BSTR, false},
    {RdpDispId::ConnectingText, VT_BSTR, false},
    {RdpDispId::Connected, VT_I2, true},
    {RdpDispId::DesktopWidth, VT_I4, false},
    {RdpDispId::DesktopHeight, VT_I4, false},
    {RdpDispId::StartConnected, VT_I4, false},
    {RdpDispId::ColorDepth, VT_I4, false},
    {RdpDispId::FullScreen, VT_BOOL, false},
    {RdpDispId::ConnectedStatusText, VT_BSTR, false},
    {DISPID_BACKCOLOR, VT_I4, false},
    {DISPID_FONT, VT_DISPATCH, false},
    {DISPID_FORECOLOR, VT_I4, false},
    {DISPID_ENABLED, VT_BOOL, false},
    {DISPID_CAPTION, VT_BSTR, false},
    {DISPID_TEXT, VT_BSTR, false},
};

const PropertyInfo* FindProperty(DISPID dispid) {
    for (const auto& p : kProperties)
        if (p.dispid == dispid)
            return &p;
    return nullptr;
}

Variant DefaultValue(VARTYPE type) {
    switch (type) {
    case VT_BSTR:
        return Variant::Text(L"");
    case VT_I2:
        return Variant::Short(0);
    case VT_BOOL:
        return Variant::Bool(false);
    case VT_DISPATCH:
        return Variant::Dispatch(nullptr);
    default:
        return Variant::Long(0);
    }
}

bool IsClientInterface(REFIID iid) {
    return IsEqualGUID(iid, IID_IDispatch) || IsEqualGUID(iid, __uuidof(IMsTscAx)) ||
           IsEqualGUID(iid, __uuidof(IMsRdpClient)) || IsEqualGUID(iid, __uuidof(IMsRdpClient2)) ||
           IsEqualGUID(iid, __uuidof(IMsRdpClient3)) || IsEqualGUID(iid, __uuidof(IMsRdpClient4)) ||
           IsEqualGUID(iid, __uuidof(IMsRdpClient5)) || IsEqualGUID(iid, __uuidof(IMsRdpClient6));
}

// Events whose type library entry has an [out, retval] value, which travels in the result.
bool EventHasResult(DISPID dispid) {
    return dispid == RdpEvent::OnConfirmClose || dispid == RdpEvent::OnReceivedTSPublicKey ||
           dispid == RdpEvent::OnAutoReconnecting;
}

void FreeExcepInfo(EXCEPINFO& e) {
    SysFreeString(e.bstrSource);
    SysFreeString(e.bstrDescription);
    SysFreeString(e.bstrHelpFile);
}

} // namespace

ScriptedControl::ScriptedControl(std::shared_ptr<ScriptedInstance> instance)
    : instance_(std::move(instance)), propertyNotify_(IID_IPropertyNotifySink, this, *instance_),
      events_(DIID_IMsTscAxEvents, this, *instance_), extent_(instance_->Script().Extent) {
    for (const auto& p : kProperties)
        instance_->properties_.insert_or_assign(p.dispid, DefaultValue(p.type));
    instance_->properties_.insert_or_assign(DISPID_ENABLED, Variant::Bool(true));
    instance_->properties_.insert_or_assign(DISPID_FORECOLOR, Variant::Long(0xFFFFFF));
    if (instance_->Script().SimulateAccounts)
        demo_ = std::make_unique<DemoSession>(*this);
    instance_->control_ = this;
    ++instance_->liveObjects_;
    ModuleObjectCreated();
}

ScriptedControl::~ScriptedControl() {
    // A host that lets go without closing leaves the window: take it down without calling back.
    if (hwnd_) {
        if (demo_)
            demo_->Stop();
        DetachStandinWindow(hwnd_);
        DestroyWindow(hwnd_);
    }
    if (accelerators_)
        DestroyAcceleratorTable(accelerators_);
    events_.Clear();
    propertyNotify_.Clear();
    instance_->control_ = nullptr;
    instance_->refs_ = 0;
    --instance_->liveObjects_;
    ModuleObjectDestroyed();
}

HRESULT ScriptedControl::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    void* p = nullptr;
    if (IsEqualGUID(iid, IID_IUnknown))
        p = static_cast<IOleObject*>(this);
    else if (IsClientInterface(iid))
        p = static_cast<IMsRdpClient6*>(this);
    else if (IsEqualGUID(iid, IID_IOleObject))
        p = static_cast<IOleObject*>(this);
    else if (IsEqualGUID(iid, IID_IPersistStreamInit) || IsEqualGUID(iid, IID_IPersist))
        p = static_cast<IPersistStreamInit*>(this);
    else if (IsEqualGUID(iid, IID_IOleControl))
        p = static_cast<IOleControl*>(this);
    else if (IsEqualGUID(iid, IID_IOleWindow) || IsEqualGUID(iid, IID_IOleInPlaceObject))
        p = static_cast<IOleInPlaceObject*>(this);
    else if (IsEqualGUID(iid, IID_IOleInPlaceActiveObject))
        p = static_cast<IOleInPlaceActiveObject*>(this);
    else if (IsEqualGUID(iid, IID_IConnectionPointContainer))
        p = static_cast<IConnectionPointContainer*>(this);
    else if (IsEqualGUID(iid, IID_IPerPropertyBrowsing))
        p = static_cast<IPerPropertyBrowsing*>(this);
    HRESULT hr = E_NOINTERFACE;
    if (p && (IsEqualGUID(iid, IID_IUnknown) || (instance_->Script().Offers(iid) && !QueryRefused(iid)))) {
        *out = p;
        AddRef();
        hr = S_OK;
    }
    try {
        instance_->RecordQuery(iid, hr);
    } catch (...) {
    }
    return hr;
}

bool ScriptedControl::QueryRefused(REFIID iid) noexcept {
    try {
        return instance_->Script().Match("IUnknown::QueryInterface(" + IidName(iid) + ")").has_value();
    } catch (...) {
        return true;
    }
}

ULONG ScriptedControl::AddRef() {
    return static_cast<ULONG>(++instance_->refs_);
}

ULONG ScriptedControl::Release() {
    const long left = --instance_->refs_;
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT ScriptedControl::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT ScriptedControl::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT ScriptedControl::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return DISP_E_UNKNOWNNAME;
}

HRESULT ScriptedControl::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) {
    try {
        std::string args, named;
        for (UINT i = 0; params && i < params->cArgs; ++i)
            args += (i ? ", " : "") + VariantText(params->rgvarg[i]);
        for (UINT i = 0; params && i < params->cNamedArgs; ++i)
            named += (i ? ", " : "") + std::to_string(params->rgdispidNamedArgs[i]);
        const std::string call = "IDispatch::Invoke(" + std::to_string(dispid) + ", " +
                                 InvokeFlagsText(flags) + ", [" + args + "], named [" + named + "])";
        if (auto answer = instance_->Enter(call, excepInfo))
            return *answer;
        if (!IsEqualGUID(iid, IID_NULL))
            return DISP_E_UNKNOWNINTERFACE;
        if (!params)
            return E_INVALIDARG;
        return InvokeProperty(dispid, flags, params, result, argError);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT ScriptedControl::InvokeProperty(DISPID dispid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                        UINT* argError) {
    const PropertyInfo* info = FindProperty(dispid);
    if (!info)
        return DISP_E_MEMBERNOTFOUND;
    if (flags & DISPATCH_PROPERTYGET) {
        if (params->cArgs != 0)
            return DISP_E_BADPARAMCOUNT;
        if (!result)
            return E_INVALIDARG;
        if (auto scripted = instance_->Script().ReadResult(dispid))
            return VariantCopy(result, scripted->Ptr());
        return VariantCopy(result, const_cast<VARIANT*>(&instance_->Property(dispid)));
    }
    if (!(flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)))
        return DISP_E_MEMBERNOTFOUND;
    if (params->cArgs != 1)
        return DISP_E_BADPARAMCOUNT;
    if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
        return DISP_E_PARAMNOTFOUND;
    if (info->readOnly)
        return DISP_E_MEMBERNOTFOUND;
    Variant value;
    if (FAILED(VariantChangeType(value.Ptr(), &params->rgvarg[0], 0, info->type))) {
        if (argError)
            *argError = 0;
        return DISP_E_TYPEMISMATCH;
    }
    instance_->properties_.insert_or_assign(dispid, std::move(value));
    if (dispid < 0 && instance_->Script().NotifyOnStockPropertyWrite)
        NotifyPropertyChanged(dispid);
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, FALSE);
    return S_OK;
}

HRESULT ScriptedControl::FireEvent(DISPID dispid, std::vector<Variant>& args) {
    // A sink may release the control while it handles the event.
    const ComPtr<IUnknown> self(static_cast<IOleObject*>(this));
    std::vector<VARIANT> reversed;
    std::string argsText;
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        reversed.push_back(it->Get());
    for (const auto& a : args)
        argsText += (argsText.empty() ? "" : ", ") + VariantText(a.Get());
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    HRESULT hr = S_FALSE;
    for (const auto& sink : events_.Sinks()) {
        auto* dispatch = static_cast<IDispatch*>(sink.Get());
        Variant result;
        EXCEPINFO excepInfo{};
        UINT argError = 0;
        hr = dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                              EventHasResult(dispid) ? result.Ptr() : nullptr, &excepInfo, &argError);
        FreeExcepInfo(excepInfo);
        RecordSite("IMsTscAxEvents::Invoke(" + std::to_string(dispid) + ", [" + argsText + "])", hr);
    }
    return hr;
}

void ScriptedControl::SetConnected(bool connected) {
    instance_->properties_.insert_or_assign(RdpDispId::Connected, Variant::Short(connected ? 1 : 0));
    connecting_ = false;
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, FALSE);
}

HRESULT ScriptedControl::NotifyPropertyChanged(DISPID dispid) {
    const ComPtr<IUnknown> self(static_cast<IOleObject*>(this));
    HRESULT hr = S_FALSE;
    for (const auto& sink : propertyNotify_.Sinks()) {
        hr = static_cast<IPropertyNotifySink*>(sink.Get())->OnChanged(dispid);
        RecordSite("IPropertyNotifySink::OnChanged(" + std::to_string(dispid) + ")", hr);
    }
    return hr;
}

HRESULT ScriptedControl::ReadAmbient(DISPID dispid, Variant& value) {
    value.Reset();
    if (!clientSite_)
        return E_UNEXPECTED;
    ComPtr<IDispatch> ambient;
    HRESULT hr = clientSite_.As(ambient);
    RecordSite("IOleClientSite::QueryInterface(IDispatch)", hr);
    if (FAILED(hr))
        return hr;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    hr = ambient->Invoke(dispid, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, value.Put(), nullptr, nullptr);
    RecordSite("IDispatch::Invoke(" + std::to_string(dispid) + ", GET) -> " + VariantText(value.Get()), hr);
    return hr;
}

} // namespace scripted
