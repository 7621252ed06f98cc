#include "tests/support/scripted_control/scripted_settings.h"

#include "tests/support/scripted_control/module_count.h"
#include "tests/support/scripted_control/value_text.h"

#include <string_view>

namespace scripted {

namespace {

bool IsSettingsInterface(REFIID iid) {
    return IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IDispatch) ||
           IsEqualGUID(iid, __uuidof(IMsTscAdvancedSettings)) ||
           IsEqualGUID(iid, __uuidof(IMsRdpClientAdvancedSettings)) ||
           IsEqualGUID(iid, __uuidof(IMsRdpClientAdvancedSettings2)) ||
           IsEqualGUID(iid, __uuidof(IMsRdpClientAdvancedSettings3)) ||
           IsEqualGUID(iid, __uuidof(IMsRdpClientAdvancedSettings4)) ||
           IsEqualGUID(iid, __uuidof(IMsRdpClientAdvancedSettings5)) ||
           IsEqualGUID(iid, __uuidof(IMsRdpClientAdvancedSettings6));
}

} // namespace

ScriptedSettings::ScriptedSettings(std::shared_ptr<ScriptedInstance> instance)
    : instance_(std::move(instance)) {
    ++instance_->liveObjects_;
    ModuleObjectCreated();
}

ScriptedSettings::~ScriptedSettings() {
    --instance_->liveObjects_;
    ModuleObjectDestroyed();
}

HRESULT ScriptedSettings::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!IsSettingsInterface(iid))
        return E_NOINTERFACE;
    *out = static_cast<IMsRdpClientAdvancedSettings6*>(this);
    AddRef();
    return S_OK;
}

ULONG ScriptedSettings::Release() {
    const long left = --refs_;
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT ScriptedSettings::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT ScriptedSettings::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT ScriptedSettings::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return DISP_E_UNKNOWNNAME;
}

HRESULT ScriptedSettings::Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT*,
                                 EXCEPINFO* excepInfo, UINT*) {
    try {
        const std::string call =
            "IMsTscAdvancedSettings::Invoke(" + std::to_string(dispid) + ", " + InvokeFlagsText(flags) + ")";
        if (auto answer = instance_->Enter(call, excepInfo))
            return *answer;
        return DISP_E_MEMBERNOTFOUND;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

template <class T>
HRESULT ScriptedSettings::Put(const char* call, const char* name, T value) {
    try {
        if (std::string_view(name) == "ClearTextPassword" && !instance_->Script().KeepsPassword) {
            const auto answer = instance_->Enter(std::string(call) + "(withheld)");
            return answer ? *answer : S_OK;
        }
        if (auto answer = instance_->Enter(std::string(call) + "(" + ArgText(value) + ")"))
            return *answer;
        instance_->settings_.insert_or_assign(name, ToVariant(value));
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

template <class T>
HRESULT ScriptedSettings::Get(const char* call, const char* name, T* out) {
    if (!out)
        return E_POINTER;
    *out = T();
    try {
        if (auto answer = instance_->Enter(std::string(call) + "()"))
            return *answer;
        return FromVariant(instance_->Setting(name), out);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

#define ORLIX_PUT(iface, name, T)                                                                            \
    HRESULT ScriptedSettings::put_##name(T value) {                                                          \
        return Put(#iface "::put_" #name, #name, value);                                                     \
    }
#define ORLIX_GET(iface, name, T)                                                                            \
    HRESULT ScriptedSettings::get_##name(T* value) {                                                         \
        return Get(#iface "::get_" #name, #name, value);                                                     \
    }
#define ORLIX_PAIR(iface, name, T) ORLIX_PUT(iface, name, T) ORLIX_GET(iface, name, T)
#include "tests/support/scripted_control/settings_members.inc"
#undef ORLIX_PUT
#undef ORLIX_GET
#undef ORLIX_PAIR

HRESULT ScriptedSettings::put_ConnectWithEndpoint(VARIANT* value) {
    try {
        const std::string arg = value ? VariantText(*value) : "null";
        if (auto answer =
                instance_->Enter("IMsRdpClientAdvancedSettings::put_ConnectWithEndpoint(" + arg + ")"))
            return *answer;
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

} // namespace scripted
