#pragma once
// The settings object that the scripted control hands out for AdvancedSettings to
// AdvancedSettings7: one object implementing IMsTscAdvancedSettings to
// IMsRdpClientAdvancedSettings6. It records each call as
// "<declaring interface>::<member>(<argument>)" and keeps the values in the instance by member
// name, so a later read returns what was written. A fresh object per request, counted among the
// instance's live objects.

#include "session/rdp_settings.h"
#include "tests/support/scripted_control/scripted_instance.h"

#include <memory>
#include <string>

namespace scripted {

class ScriptedSettings final : public IMsRdpClientAdvancedSettings6 {
  public:
    explicit ScriptedSettings(std::shared_ptr<ScriptedInstance> instance);
    ScriptedSettings(const ScriptedSettings&) = delete;
    ScriptedSettings& operator=(const ScriptedSettings&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) override;

// Declares the members; their bodies are in scripted_settings.cpp.
#define ORLIX_PUT(iface, name, T) HRESULT STDMETHODCALLTYPE put_##name(T value) override;
#define ORLIX_GET(iface, name, T) HRESULT STDMETHODCALLTYPE get_##name(T* value) override;
#define ORLIX_PAIR(iface, name, T) ORLIX_PUT(iface, name, T) ORLIX_GET(iface, name, T)
#include "tests/support/scripted_control/settings_members.inc"
#undef ORLIX_PUT
#undef ORLIX_GET
#undef ORLIX_PAIR
    HRESULT STDMETHODCALLTYPE put_ConnectWithEndpoint(VARIANT* value) override;

  private:
    ~ScriptedSettings();

    template <class T>
    HRESULT Put(const char* call, const char* name, T value);
    template <class T>
    HRESULT Get(const char* call, const char* name, T* out);

    std::shared_ptr<ScriptedInstance> instance_;
    long refs_ = 1;
};

} // namespace scripted
