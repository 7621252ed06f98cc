#pragma once
// What the host tests stand on: the scripted control registered under the real class
// identifier, an application that records the exceptions reported to it, and a form holding
// a remote desktop control host created as the window description creates it.

#include "framework/application_services.h"
#include "framework/form.h"
#include "session/msrdp_client.h"
#include "tests/session/raised.h"
#include "tests/support/scripted_control/registration.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class RecordingApplication final : public IApplicationServices {
  public:
    struct Report {
        TComponent* sender;
        std::string className;
        std::string message;
    };

    void HandleException(TComponent* sender, std::exception_ptr error) noexcept override;
    HWND OwnerWindow() const override { return nullptr; }
    bool IsMainForm(const TForm*) const override { return false; }
    void Terminate() override {}
    void ProcessMessages() override;
    void FormVisibilityChanged(TForm*) override {}

    std::vector<Report> reports;
};

// The host with its teardown reachable, so a test can run it before the host is freed.
class ProbeHost final : public TMsRdpClient6NotSafeForScripting {
  public:
    using TMsRdpClient6NotSafeForScripting::TMsRdpClient6NotSafeForScripting;
    using TOleControl::DestroyControl;
};

class HostTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Constructed, named, given its parent, bounds, tab order and stored state, as the window
    // description does it; `stored` false leaves out the stored state.
    ProbeHost& CreateHost(bool stored = true);
    // Shows the form, which activates the host's control in place.
    void ShowForm();
    // CreateHost then ShowForm; the host's control.
    std::shared_ptr<scripted::ScriptedInstance> ShowNewHost();
    void FreeHost();
    std::shared_ptr<scripted::ScriptedInstance> Control() const { return registration.LastInstance(); }
    scripted::ControlScript& Script() { return registration.Script(); }

    scripted::ScriptedControlRegistration registration;
    RecordingApplication app;
    std::unique_ptr<TForm> form;
    ProbeHost* host = nullptr;
};

// Runs the thread's messages until the queue is empty.
void Pump();
// Runs the thread's messages, waiting for more, until `done` holds or `timeoutMs` passed;
// whether `done` held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
void PumpFor(DWORD ms);

// An IDispatch of the host's without type information: it counts none and answers E_NOTIMPL for
// the rest, clearing the out-parameter.
void ExpectNoTypeInformation(IDispatch* dispatch);

// The 20 bytes of stored state as the scripted control records a Load of them.
extern const char* const kStoredStateText;
