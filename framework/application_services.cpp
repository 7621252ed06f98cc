#include "framework/application_services.h"

namespace {

IApplicationServices* g_services = nullptr;

} // namespace

IApplicationServices* ApplicationServices() {
    return g_services;
}

void SetApplicationServices(IApplicationServices* services) {
    g_services = services;
}

void ReportException(TComponent* sender) noexcept {
    if (g_services) {
        g_services->HandleException(sender, std::current_exception());
        return;
    }
    // Without an application there is nobody to show the error; it must not cross the callback.
    MessageBeep(MB_ICONHAND);
}
