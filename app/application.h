#pragma once
// The application object: title, icon, the zero-size owner window that carries the program's
// only taskbar entry, the main form, the message loop with its keyboard step, and the
// exception handler with its error box.

#include <windows.h>

#include <memory>
#include <string>

#include "base/win/gdi.h"
#include "framework/application_services.h"
#include "framework/component.h"
#include "framework/messages.h"

class TForm;

class TApplication : public TComponent, public IApplicationServices {
  public:
    using MessageBoxFunction = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

    TApplication();
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    const std::string& Title() const { return title_; }
    HICON Icon() const { return icon_.Get(); }
    HWND Handle() const;
    // The first form created becomes the main form.
    void FormCreated(TForm* form);
    bool Terminated() const { return terminated_; }

    // The show command the program was started with (the start-up information's).
    void SetShowCommand(int command) { showCommand_ = command; }
    // Shows the main form as the show command asks.
    void ShowMainForm();
    // Runs the message loop until the quit message.
    void RunLoop();
    // One pass of the loop: handles the next message, or waits for one when there is none.
    void HandleMessage();

    void Minimize();
    void Restore();

    // A message box owned by the owner window while the program's other windows are disabled;
    // the previously active window and focused control get activation and focus back.
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);
    // Shows the error box for a message.
    void ShowException(const std::string& message);
    // The platform's MessageBoxA unless replaced (the tests record boxes this way).
    void SetMessageBoxFunction(MessageBoxFunction f) { messageBox_ = f; }

    // IApplicationServices
    void HandleException(TComponent* sender, std::exception_ptr error) noexcept override;
    HWND OwnerWindow() const override { return Handle(); }
    bool IsMainForm(const TForm* form) const override { return form && form == mainForm_; }
    void Terminate() override;
    void ProcessMessages() override;
    void FormVisibilityChanged(TForm* form) override;

  private:
    bool ProcessMessage();
    bool IsKeyMessage(const MSG& msg);
    class TOwnerWindow;
    void CreateOwnerWindow();
    // The owner window's messages that the application answers.
    bool OwnerSysCommand(TMessage& m);
    bool OwnerClose(TMessage& m);
    bool OwnerFocused(TMessage& m);

    std::string title_;
    IconHandle icon_;
    IconHandle smallIcon_;
    std::unique_ptr<TOwnerWindow> window_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    int showCommand_ = SW_SHOWNORMAL;
    MessageBoxFunction messageBox_ = ::MessageBoxA;
};

// The title of a program file: its path as GetModuleFileName gives it, read as OEM text and
// converted to ANSI, then the file name up to its first dot with all but the first character
// in lower case.
std::string ApplicationTitleFromPath(std::string path);

// The one application object of the process, from its construction to its destruction.
extern TApplication* Application;
