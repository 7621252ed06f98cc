#pragma once
// The class factory of the scripted control. Every instance it creates shares the factory's
// script and gets a ScriptedInstance of its own, which the factory reports to `onCreate`.

#include "tests/support/scripted_control/control_script.h"
#include "tests/support/scripted_control/scripted_instance.h"

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <memory>

namespace scripted {

class ScriptedControlFactory final : public IClassFactory {
  public:
    using CreatedCallback = std::function<void(const std::shared_ptr<ScriptedInstance>&)>;

    ScriptedControlFactory(std::shared_ptr<ControlScript> script, CreatedCallback onCreate);
    ScriptedControlFactory(const ScriptedControlFactory&) = delete;
    ScriptedControlFactory& operator=(const ScriptedControlFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  private:
    ~ScriptedControlFactory();

    std::shared_ptr<ControlScript> script_;
    CreatedCallback onCreate_;
    long refs_ = 1;
};

} // namespace scripted
