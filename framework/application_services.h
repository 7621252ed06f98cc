#pragma once
// What the window framework needs from the application object that runs the message loop.
// The application installs itself at start-up; the framework calls it from window procedures.

#include <windows.h>

#include <exception>

class TComponent;
class TForm;

class IApplicationServices {
  public:
    virtual ~IApplicationServices() = default;

    // Reports an exception that escaped the handling of a message or callback.
    virtual void HandleException(TComponent* sender, std::exception_ptr error) noexcept = 0;
    // The zero-size owner window that owns the program's forms and carries its taskbar entry.
    virtual HWND OwnerWindow() const = 0;
    virtual bool IsMainForm(const TForm* form) const = 0;
    // Ends the message loop: posts the quit message.
    virtual void Terminate() = 0;
    // Runs passes of the message loop until the queue is empty.
    virtual void ProcessMessages() = 0;
    // A form was shown or hidden: the owner window follows the main form's visibility.
    virtual void FormVisibilityChanged(TForm* form) = 0;
};

IApplicationServices* ApplicationServices();
void SetApplicationServices(IApplicationServices* services);

// Hands the exception being handled to the application's exception handler. Call it only from a
// catch block; the window procedures and callbacks of the framework do so for every exception.
void ReportException(TComponent* sender) noexcept;
