#include "tests/support/scripted_control/registration.h"

#include "base/win/com_ptr.h"
#include "session/rdp_ids.h"
#include "tests/support/scripted_control/class_factory.h"

namespace scripted {

ScriptedControlRegistration::ScriptedControlRegistration()
    : script_(std::make_shared<ControlScript>()),
      instances_(std::make_shared<std::vector<std::shared_ptr<ScriptedInstance>>>()) {
    auto instances = instances_;
    auto factory = ComPtr<IClassFactory>::Adopt(new ScriptedControlFactory(
        script_, [instances](const std::shared_ptr<ScriptedInstance>& i) { instances->push_back(i); }));
    result_ = CoRegisterClassObject(CLSID_MsRdpClient6NotSafeForScripting, factory.Get(),
                                    CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
}

ScriptedControlRegistration::~ScriptedControlRegistration() {
    if (SUCCEEDED(result_))
        CoRevokeClassObject(cookie_);
}

std::shared_ptr<ScriptedInstance> ScriptedControlRegistration::LastInstance() const {
    return instances_->empty() ? nullptr : instances_->back();
}

} // namespace scripted
