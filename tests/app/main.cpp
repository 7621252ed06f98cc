#include "tests/app/scripted_host.h"

#include <objbase.h>

#include <gtest/gtest.h>

namespace {

scripted::ScriptedControlRegistration* g_registration = nullptr;

} // namespace

scripted::ScriptedControlRegistration& HostedControl() {
    return *g_registration;
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // The program creates the remote desktop control, which Wine does not have. The apartment
    // stays initialised for the whole run, so that the class registration outlives each run of
    // the program with its own CoInitialize and CoUninitialize.
    if (FAILED(CoInitialize(nullptr)))
        return 2;
    int result = 2;
    {
        scripted::ScriptedControlRegistration registration;
        if (registration.Result() == S_OK) {
            g_registration = &registration;
            result = RUN_ALL_TESTS();
            g_registration = nullptr;
        }
    }
    CoUninitialize();
    return result;
}
