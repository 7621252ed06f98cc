#include "tests/support/scripted_control/class_factory.h"

#include "tests/support/scripted_control/boundary.h"
#include "tests/support/scripted_control/module_count.h"
#include "tests/support/scripted_control/scripted_control.h"

namespace scripted {

ScriptedControlFactory::ScriptedControlFactory(std::shared_ptr<ControlScript> script,
                                               CreatedCallback onCreate)
    : script_(std::move(script)), onCreate_(std::move(onCreate)) {
    ModuleObjectCreated();
}

ScriptedControlFactory::~ScriptedControlFactory() {
    ModuleObjectDestroyed();
}

HRESULT ScriptedControlFactory::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualGUID(iid, IID_IUnknown) && !IsEqualGUID(iid, IID_IClassFactory))
        return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

ULONG ScriptedControlFactory::Release() {
    const long left = --refs_;
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT ScriptedControlFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    return Boundary([&] {
        auto instance = std::make_shared<ScriptedInstance>(script_);
        // The control starts with the count at zero; the QueryInterface below takes the first
        // reference, and a failed one destroys the control again.
        auto* control = new ScriptedControl(instance);
        ComPtr<IUnknown> hold(static_cast<IOleObject*>(control));
        if (onCreate_)
            onCreate_(instance);
        return hold->QueryInterface(iid, out);
    });
}

HRESULT ScriptedControlFactory::LockServer(BOOL lock) {
    ModuleLock(lock != FALSE);
    return S_OK;
}

} // namespace scripted
