#include "app/program.h"

#include <memory>
#include <new>

#include <objbase.h>

#include "app/main.h"
#include "base/text.h"
#include "controls/register_controls.h"
#include "framework/component_registry.h"
#include "framework/mouse_tracking.h"
#include "framework/description/description.h"
#include "session/register_session.h"

namespace {

constexpr char kDescriptionResource[] = "TFRMCONNEXIONORLIX";

std::string ModuleFileName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(FileNameOfPath(path));
}

void ShowStartupFailure(std::exception_ptr error, TApplication::MessageBoxFunction messageBox) {
    std::string className = "Exception";
    std::string message;
    const void* address = nullptr;
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        className = e.ClassName();
        message = e.Message();
        address = e.Address();
    } catch (const std::bad_alloc&) {
        className = "EOutOfMemory";
        message = "Out of memory";
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown exception";
    }
    const std::string text = StartupFailureText(
        className, ModuleFileName(), reinterpret_cast<uintptr_t>(address), int(2 * sizeof(void*)), message);
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
    const HRSRC found = FindResourceA(module, kDescriptionResource, MAKEINTRESOURCEA(10));
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
    std::unique_ptr<TApplication> app;
    bool comInitialized = false;
    TFrmConnexionORLIX* form = nullptr;
    try {
        app = std::make_unique<TApplication>();
        app->SetMessageBoxFunction(messageBox);
        comInitialized = SUCCEEDED(CoInitialize(nullptr));
        if (options.description) {
            form = new TFrmConnexionORLIX(app.get(), *options.description);
        } else {
            const DescObject description = LoadBuiltInDescription();
            form = new TFrmConnexionORLIX(app.get(), description);
        }
        FrmConnexionORLIX = form;
    } catch (...) {
        ShowStartupFailure(std::current_exception(), messageBox);
        FrmConnexionORLIX = nullptr;
        app.reset();
        if (comInitialized)
            CoUninitialize();
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
        app->HandleException(form, std::current_exception());
    }
    app->RunLoop();

    ShowOwnedPopups(app->Handle(), FALSE);
    delete form;
    FrmConnexionORLIX = nullptr;
    // Every control stops its mouse-leave tracking when it is destroyed; a tracker left over
    // is a fault worth reporting.
    if (MouseTrackingTimerList().Count() != 0)
        messageBox(nullptr, "MouseTrackingTimerList.Count <> 0", "Application Error",
                   MB_TASKMODAL | MB_ICONERROR);
    if (comInitialized)
        CoUninitialize();
    app.reset();
    return 0;
}
