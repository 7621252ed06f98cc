#include "app/program.h"

#include <memory>

#include "app/main.h"
#include "base/text.h"
#include "base/win/com_initialization.h"
#include "base/win/module_path.h"
#include "controls/register_controls.h"
#include "framework/component_registry.h"
#include "framework/mouse_tracking.h"
#include "framework/description/description.h"
#include "session/register_session.h"

namespace {

constexpr char kDescriptionResource[] = "TFRMCONNEXIONORLIX";

std::string ModuleFileName() {
    return std::string(FileNameOfPath(ModulePath()));
}

void ShowStartupFailure(std::exception_ptr error, TApplication::MessageBoxFunction messageBox) {
    const ExceptionDescription described = DescribeException(error);
    const std::string text = StartupFailureText(described.className, ModuleFileName(),
                                                reinterpret_cast<uintptr_t>(described.address),
                                                int(2 * sizeof(void*)), described.message);
    messageBox(nullptr, text.c_str(), "Application Error", MB_TASKMODAL | MB_ICONERROR);
}

} // namespace

void RegisterProgramClasses() {
    static const bool registered = [] {
        RegisterFrameworkClasses();
        RegisterStyledControls();
        RegisterSessionClasses();
        return true;
    }();
    (void)registered;
}

DescObject LoadBuiltInDescription() {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(module, kDescriptionResource, RT_RCDATA);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        throw Exception(std::string("The window description ") + kDescriptionResource + " is missing");
    return ReadBinaryDescription(static_cast<const uint8_t*>(data), SizeofResource(module, found));
}

int RunProgram(const ProgramOptions& options) {
    const TApplication::MessageBoxFunction messageBox =
        options.messageBox ? options.messageBox : ::MessageBoxA;
    RegisterProgramClasses();
    // Released in the reverse order: the form, the application, then COM's initialisation.
    const ComInitialization com;
    std::unique_ptr<TApplication> app;
    std::unique_ptr<TFrmConnexionORLIX> form;
    try {
        app = std::make_unique<TApplication>();
        app->SetMessageBoxFunction(messageBox);
        if (options.description) {
            form = std::make_unique<TFrmConnexionORLIX>(app.get(), *options.description);
        } else {
            const DescObject description = LoadBuiltInDescription();
            form = std::make_unique<TFrmConnexionORLIX>(app.get(), description);
        }
        FrmConnexionORLIX = form.get();
    } catch (...) {
        ShowStartupFailure(std::current_exception(), messageBox);
        FrmConnexionORLIX = nullptr;
        return 1;
    }

    app->SetShowCommand(options.showCommand);
    try {
        if (options.onCreated)
            options.onCreated(*app, *form);
        app->ShowMainForm();
        if (options.onRunning)
            options.onRunning(*app, *form);
    } catch (...) {
        app->HandleException(form.get(), std::current_exception());
    }
    app->RunLoop();

    ShowOwnedPopups(app->Handle(), FALSE);
    form.reset();
    FrmConnexionORLIX = nullptr;
    // Every control stops its mouse-leave tracking when it is destroyed; a tracker left over
    // is a fault worth reporting.
    if (MouseTrackingTimerList().Count() != 0)
        messageBox(nullptr, "MouseTrackingTimerList.Count <> 0", "Application Error",
                   MB_TASKMODAL | MB_ICONERROR);
    return 0;
}
