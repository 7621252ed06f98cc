#include "app/application.h"

#include "app/modal_bracket.h"
#include "base/exception.h"
#include "base/text.h"
#include "base/win/module_path.h"
#include "framework/form.h"
#include "framework/win_control.h"
#include "framework/window_class.h"

TApplication* Application = nullptr;

// The zero-size owner window, bound to its window as every control is. It passes the messages
// the application answers on to it, until the application detaches it as it ends.
class TApplication::TOwnerWindow : public TWinControl {
  public:
    explicit TOwnerWindow(TApplication& app) : TWinControl(nullptr), app_(&app) {}
    const char* ClassName() const override { return "TApplication"; }
    void Detach() { app_ = nullptr; }

  protected:
    DECLARE_MESSAGE_MAP(TOwnerWindow)
    void CreateParams(TCreateParams& p) override {
        p.caption = app_->Title();
        p.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
        p.x = GetSystemMetrics(SM_CXSCREEN) / 2;
        p.y = GetSystemMetrics(SM_CYSCREEN) / 2;
        p.windowClass = {ClassName(), nullptr, 0};
    }
    bool IsTopLevel() const override { return true; }

  private:
    bool SysCommand(TMessage& m) { return app_ && app_->OwnerSysCommand(m); }
    bool CloseRequested(TMessage& m) { return app_ && app_->OwnerClose(m); }
    bool FocusReceived(TMessage& m) { return app_ && app_->OwnerFocused(m); }

    TApplication* app_;
};

DEFINE_MESSAGE_MAP(TApplication::TOwnerWindow, OnMessage<&TOwnerWindow::SysCommand>(WM_SYSCOMMAND),
                   OnMessage<&TOwnerWindow::CloseRequested>(WM_CLOSE),
                   OnMessage<&TOwnerWindow::FocusReceived>(WM_SETFOCUS))

namespace {

std::string LowerCase(std::string s) {
    if (!s.empty())
        CharLowerBuffA(s.data(), DWORD(s.size()));
    return s;
}

HICON LoadMainIcon(int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0));
}

std::string ModuleTitle() {
    return ApplicationTitleFromPath(ModulePath());
}

} // namespace

std::string ApplicationTitleFromPath(std::string path) {
    OemToCharBuffA(path.data(), path.data(), DWORD(path.size()));
    return TitleFromModulePath(path, LowerCase);
}

TApplication::TApplication()
    : TComponent(nullptr), title_(ModuleTitle()), icon_(LoadMainIcon(SM_CXICON, SM_CYICON)),
      smallIcon_(LoadMainIcon(SM_CXSMICON, SM_CYSMICON)) {
    CreateOwnerWindow();
    Application = this;
    SetApplicationServices(this);
}

TApplication::~TApplication() {
    SetApplicationServices(nullptr);
    if (Application == this)
        Application = nullptr;
    // The owner window, destroyed with its member after this body, gets default handling only.
    if (window_)
        window_->Detach();
}

void TApplication::CreateOwnerWindow() {
    window_ = std::make_unique<TOwnerWindow>(*this);
    window_->HandleNeeded();
    if (icon_)
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Get()));
    if (smallIcon_)
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
    const HMENU menu = GetSystemMenu(Handle(), FALSE);
    for (const UINT cmd : {SC_SIZE, SC_MAXIMIZE, SC_MOVE})
        DeleteMenu(menu, cmd, MF_BYCOMMAND);
}

HWND TApplication::Handle() const {
    return window_ ? window_->WindowHandle() : nullptr;
}

bool TApplication::OwnerSysCommand(TMessage& m) {
    const WPARAM command = m.wParam & 0xFFF0;
    if (command == SC_MINIMIZE)
        Minimize();
    else if (command == SC_RESTORE)
        Restore();
    else
        return false;
    return true;
}

bool TApplication::OwnerClose(TMessage&) {
    if (mainForm_)
        mainForm_->Close();
    return true;
}

// The owner window passes the focus on to the main form when it is shown.
bool TApplication::OwnerFocused(TMessage&) {
    if (!mainForm_ || !mainForm_->Visible() || !mainForm_->WindowHandle() ||
        !IsWindowEnabled(mainForm_->WindowHandle()))
        return false;
    SetFocus(mainForm_->WindowHandle());
    return true;
}

void TApplication::FormCreated(TForm* form) {
    if (!mainForm_)
        mainForm_ = form;
}

void TApplication::ShowMainForm() {
    if (!mainForm_)
        return;
    if (showCommand_ == SW_SHOWMAXIMIZED)
        mainForm_->SetWindowState(wsMaximized);
    else if (showCommand_ == SW_SHOWMINNOACTIVE)
        mainForm_->SetWindowState(wsMinimized);
    if (mainForm_->WindowState() == wsMinimized) {
        Minimize();
        return;
    }
    // A key typed while the window appears would go to the window that was active before it:
    // the program takes the foreground first, so such keys wait in its queue until the focus
    // has reached the window's active control.
    SetForegroundWindow(Handle());
    mainForm_->Show();
}

void TApplication::RunLoop() {
    while (!terminated_)
        HandleMessage();
}

void TApplication::HandleMessage() {
    if (!ProcessMessage())
        WaitMessage();
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

bool TApplication::ProcessMessage() {
    MSG msg;
    // A message for a Unicode window (such as an embedded control's) is taken as Unicode, so
    // typed characters outside the ANSI code page survive.
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        return false;
    const bool unicode = msg.hwnd && IsWindowUnicode(msg.hwnd);
    if (!(unicode ? PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)
                  : PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    try {
        if (!IsKeyMessage(msg)) {
            TranslateMessage(&msg);
            if (unicode)
                DispatchMessageW(&msg);
            else
                DispatchMessageA(&msg);
        }
    } catch (...) {
        HandleException(FindControl(msg.hwnd), std::current_exception());
    }
    return true;
}

bool TApplication::IsKeyMessage(const MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > kKeyboardMessageLast)
        return false;
    HWND target = nullptr;
    if (const HWND capture = GetCapture()) {
        // A window of another module holding the capture keeps its keys to itself.
        if (reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(capture, GWLP_HINSTANCE)) !=
            GetModuleHandleA(nullptr))
            return false;
        target = capture;
    } else {
        target = msg.hwnd;
        for (HWND h = msg.hwnd; h; h = GetParent(h)) {
            if (FindControl(h)) {
                target = h;
                break;
            }
        }
    }
    return target && SendMessageA(target, msg.message + CN_BASE, msg.wParam, msg.lParam) != 0;
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::FormVisibilityChanged(TForm* form) {
    if (!Handle() || form != mainForm_)
        return;
    if (form->Visible()) {
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (!IsIconic(Handle())) {
        ShowWindow(Handle(), SW_HIDE);
    }
}

void TApplication::Minimize() {
    if (IsIconic(Handle()))
        return;
    if (mainForm_ && mainForm_->Visible())
        mainForm_->Hide();
    ShowWindow(Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
    if (!IsIconic(Handle()))
        return;
    ShowWindow(Handle(), SW_RESTORE);
    if (mainForm_ && !mainForm_->Visible()) {
        if (mainForm_->WindowState() == wsMinimized)
            mainForm_->SetWindowState(wsNormal);
        mainForm_->Show();
    }
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
    ModalBracket modal;
    return messageBox_(Handle(), text.c_str(), caption.c_str(), flags);
}

void TApplication::ShowException(const std::string& message) {
    MessageBox(WithFinalPeriod(message), title_, MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(TComponent*, std::exception_ptr error) noexcept {
    try {
        if (const HWND capture = GetCapture())
            SendMessageA(capture, WM_CANCELMODE, 0, 0);
        const ExceptionDescription described = DescribeException(error);
        if (!described.abort)
            ShowException(described.message);
    } catch (...) {
        // Reporting failed too; nothing is left to tell, and nothing may escape a callback.
        MessageBeep(MB_ICONHAND);
    }
}
