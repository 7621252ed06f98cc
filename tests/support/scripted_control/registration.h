#pragma once
// Registers the scripted control for a test under the real control's class identifier, with
// CoRegisterClassObject, for as long as the registration lives. A host that creates
// MsRdpClient6NotSafeForScripting with CoCreateInstance then gets a scripted control; the test
// reaches it through LastInstance() and steers every instance through Script().
//
//   ScriptedControlRegistration registration;
//   ASSERT_EQ(registration.Result(), S_OK);
//   registration.Script().Answer("IOleObject::GetMiscStatus", E_FAIL);
//   ... create the host ...
//   auto control = registration.LastInstance();
//   EXPECT_EQ(control->Calls()[0], "IOleObject::GetMiscStatus(CONTENT)");
//   control->Fire(RdpEvent::OnDisconnected, Variant::Long(3));
//   ... free the host ...
//   EXPECT_EQ(control->RefCount(), 0);

#include "tests/support/scripted_control/control_script.h"
#include "tests/support/scripted_control/scripted_instance.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace scripted {

class ScriptedControlRegistration {
  public:
    ScriptedControlRegistration();
    ~ScriptedControlRegistration();
    ScriptedControlRegistration(const ScriptedControlRegistration&) = delete;
    ScriptedControlRegistration& operator=(const ScriptedControlRegistration&) = delete;

    // The result of CoRegisterClassObject.
    HRESULT Result() const { return result_; }
    ControlScript& Script() { return *script_; }
    // The instance created last; empty before the first.
    std::shared_ptr<ScriptedInstance> LastInstance() const;
    int InstancesCreated() const { return static_cast<int>(instances_->size()); }

  private:
    std::shared_ptr<ControlScript> script_;
    std::shared_ptr<std::vector<std::shared_ptr<ScriptedInstance>>> instances_;
    DWORD cookie_ = 0;
    HRESULT result_ = E_UNEXPECTED;
};

} // namespace scripted
