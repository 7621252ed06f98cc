#include "tests/e2e/scenarios.h"

#include <string>
#include <vector>

#include "picture/png_object.h"
#include "tests/e2e/desktop.h"

namespace e2e {

namespace {

constexpr char kForm[] = "TFrmConnexionORLIX";
constexpr char kBox[] = "TMessageForm";
constexpr wchar_t kDisconnected[] = L"Votre session a \u00e9t\u00e9 d\u00e9connect\u00e9e du serveur.\r\n\r\n"
                                    L"Code Syst\u00e8me : ";
constexpr wchar_t kAdvice[] = L"\r\n\r\nEn cas de probl\u00e8me r\u00e9current veuillez contacter votre "
                              L"responsable informatique";

std::wstring DisconnectedText(const wchar_t* reason) {
    return kDisconnected + std::wstring(reason) + kAdvice;
}

// The sign-in window, shown and in the foreground.
HWND SignInWindow(Run& run, Program& program) {
    HWND form = nullptr;
    const bool shown = WaitFor([&] {
        form = program.Window(kForm);
        return form && GetForegroundWindow() == form;
    });
    run.Check(program.Started() && shown, "the sign-in window appears in the foreground");
    return shown ? form : nullptr;
}

void SignIn(const std::wstring& user, const std::wstring& password) {
    Type(user);
    Press(VK_TAB);
    Type(password);
    Press(VK_RETURN);
}

// Waits for a warning box, checks its caption and message, saves it, and closes it with `key`.
void ExpectBox(Run& run, Program& program, const std::wstring& message, const wchar_t* shot,
               WORD key = VK_RETURN, DWORD wait = 5000) {
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = program.Window(kBox)) != nullptr && GetForegroundWindow() == box; },
                 wait)) {
        run.Check(false, "a warning box appears");
        return;
    }
    Sleep(Scaled(200)); // its first paint
    run.Check(TextOf(box) == L"Avertissement", "the box's caption is Avertissement");
    run.Check(BoxMessage(box) == message, "the box shows its message");
    RECT r;
    GetWindowRect(box, &r);
    run.Check(Screenshot().Save(run.shots + L"\\" + shot + L".bmp", r), "the box's screenshot is saved");
    Press(key);
    run.Check(WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }), "the box closes");
}

void ExpectExit(Run& run, Program& program) {
    DWORD code = 0;
    const bool ended = program.WaitForExit(10000, code);
    run.Check(ended, "the program ends");
    run.Check(ended && code == 0, "the program ends with exit code 0");
}

// The remote desktop control's window: the form's child that is not the panel.
HWND RemoteDesktop(HWND form) {
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[64] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (IsWindowVisible(child) && lstrcmpA(cls, "TPanel") != 0)
            return child;
    }
    return nullptr;
}

// The push buttons of the simulated remote desktop.
std::vector<HWND> Buttons(HWND desktop) {
    std::vector<HWND> buttons;
    for (HWND b = FindWindowExW(desktop, nullptr, L"BUTTON", nullptr); b;
         b = FindWindowExW(desktop, b, L"BUTTON", nullptr))
        buttons.push_back(b);
    return buttons;
}

// The window is maximized, covers the monitor's work area, and the simulated remote desktop
// fills its client area: that desktop, or nullptr.
HWND FilledByTheSession(HWND form) {
    const HWND desktop = RemoteDesktop(form);
    if (!IsZoomed(form) || !desktop)
        return nullptr;
    RECT d;
    GetWindowRect(desktop, &d);
    const RECT c = ClientRectOnScreen(form);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT window;
    GetWindowRect(form, &window);
    RECT covered;
    const bool coversWorkArea =
        IntersectRect(&covered, &window, &monitor.rcWork) && EqualRect(&covered, &monitor.rcWork);
    return coversWorkArea && EqualRect(&d, &c) ? desktop : nullptr;
}

// Connected: the window is maximized and the simulated remote desktop fills its client area.
HWND ExpectSession(Run& run, HWND form) {
    HWND desktop = nullptr;
    const bool filled = WaitFor([&] { return (desktop = FilledByTheSession(form)) != nullptr; }, 10000);
    run.Check(filled,
              "the window is maximized over the work area and the remote desktop fills its client area");
    if (!filled)
        return nullptr;
    Sleep(Scaled(300));
    const RECT c = ClientRectOnScreen(form);
    const Screenshot shot;
    run.Check(shot.Save(run.shots + L"\\session.bmp", c), "the session's screenshot is saved");
    // No sign-in panel is left anywhere: the top corners show the remote desktop's background,
    // and its taskbar along the bottom edge is in sight from one side to the other.
    const uint32_t background = shot.Pixel(c.left + 2, c.top + 2);
    const uint32_t taskbar = shot.Pixel(c.left + 2, c.bottom - 2);
    run.Check(background != 0 && shot.Pixel(c.right - 3, c.top + 2) == background,
              "the remote desktop's background reaches both top corners");
    run.Check(taskbar != background && taskbar != 0 && shot.Pixel(c.right - 3, c.bottom - 2) == taskbar,
              "the remote desktop's taskbar lies along the bottom of the client area");
    for (const HWND b : Buttons(desktop)) {
        RECT r;
        GetWindowRect(b, &r);
        RECT inside;
        run.Check(IntersectRect(&inside, &r, &c) && EqualRect(&inside, &r),
                  "the session's buttons are in sight");
    }
    return desktop;
}

void Refusals(Run& run) {
    Program program(run.program);
    if (!SignInWindow(run, program))
        return;
    Press(VK_RETURN);
    ExpectBox(run, program, L"Un code utilisateur est obligatoire !", L"refused-user-code");
    Type(L"eleve");
    Press(VK_TAB);
    Press(VK_RETURN);
    ExpectBox(run, program, L"Un mot de passe est obligatoire !", L"refused-password", VK_ESCAPE);
    // Escape in the sign-in window is "Annuler".
    Press(VK_ESCAPE);
    ExpectExit(run, program);
}

// Signs in as `user` and waits for the session: the simulated remote desktop, or nullptr.
HWND StartSession(Run& run, Program& program, const wchar_t* user) {
    const HWND form = SignInWindow(run, program);
    if (!form)
        return nullptr;
    SignIn(user, L"secret");
    return ExpectSession(run, form);
}

void SessionClosedByTheWindow(Run& run) {
    Program program(run.program);
    if (!StartSession(run, program, L"demo"))
        return;
    Press(VK_F4, kAlt);
    ExpectExit(run, program);
}

// The session still fills the screen once every message queued by then has been handled, and
// after the whole window has been painted again.
void ExpectSessionStays(Run& run, HWND form) {
    DWORD waited = 0;
    for (const DWORD seconds : {1, 2, 4}) {
        Sleep(Scaled(1000 * (seconds - waited)));
        waited = seconds;
        run.Check(FilledByTheSession(form) != nullptr,
                  "the session still fills the screen " + std::to_string(seconds) + " s later");
    }
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    Sleep(Scaled(500));
    run.Check(FilledByTheSession(form) != nullptr, "the session still fills the screen after a repaint");
}

// However a shortcut or the shell starts the program (normal, maximized, minimized), and
// whenever the control reports the session (inside Connect, from its window's timer or from a
// message-only window's timer), the session fills the screen and stays so. A minimized start is
// brought back as the taskbar does, by restoring the owner window.
void SessionFillsTheScreenWhateverStartsIt(Run& run) {
    struct Start {
        int show;
        StartedBy by;
        const wchar_t* user;
    };
    const Start starts[] = {
        {SW_SHOWNORMAL, StartedBy::CreateProcess, L"demo"},
        {SW_SHOWMINNOACTIVE, StartedBy::CreateProcess, L"demo"},
        {SW_SHOWMAXIMIZED, StartedBy::CreateProcess, L"demo"},
        {SW_SHOWMAXIMIZED, StartedBy::CreateProcess, L"immediat"},
        {SW_SHOWMAXIMIZED, StartedBy::CreateProcess, L"differe"},
        {SW_SHOWMAXIMIZED, StartedBy::Shell, L"demo"},
        {SW_SHOWMAXIMIZED, StartedBy::Shell, L"immediat"},
        {SW_SHOWMAXIMIZED, StartedBy::Shell, L"differe"},
    };
    for (const Start& start : starts) {
        const size_t before = run.failures.size();
        Program program(run.program, start.show, start.by);
        if (start.show == SW_SHOWMINNOACTIVE) {
            HWND owner = nullptr;
            run.Check(WaitFor([&] { return (owner = program.Window("TApplication")) && IsIconic(owner); }),
                      "a minimized start shows the program minimized");
            if (owner)
                PostMessageW(owner, WM_SYSCOMMAND, SC_RESTORE, 0);
        }
        const HWND form = SignInWindow(run, program);
        if (form) {
            SignIn(start.user, L"secret");
            if (ExpectSession(run, form))
                ExpectSessionStays(run, form);
            Press(VK_F4, kAlt);
            ExpectExit(run, program);
        }
        const std::wstring user = start.user;
        for (size_t i = before; i < run.failures.size(); ++i)
            run.failures[i] += " (show command " + std::to_string(start.show) +
                               (start.by == StartedBy::Shell ? ", through the shell" : "") + ", user code " +
                               std::string(user.begin(), user.end()) + ")";
    }
}

void SessionDroppedByTheServer(Run& run) {
    Program program(run.program);
    const HWND desktop = StartSession(run, program, L"eleve");
    if (!desktop)
        return;
    // The simulated desktop's own button for a dropped connection, clicked with the mouse.
    HWND drop = nullptr;
    for (const HWND b : Buttons(desktop))
        if (TextOf(b).find(L"3") != std::wstring::npos)
            drop = b;
    run.Check(drop != nullptr, "the simulated desktop has a button that drops the connection");
    if (!drop)
        return;
    RECT r;
    GetWindowRect(drop, &r);
    ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    ExpectBox(run, program, DisconnectedText(L"3"), L"disconnected-3");
    ExpectExit(run, program);
}

void PasswordRefused(Run& run) {
    Program program(run.program);
    if (!SignInWindow(run, program))
        return;
    SignIn(L"refus", L"mauvais");
    ExpectBox(
        run, program,
        L"Code ou mot de passe incorrect.\r\nVeuillez contacter l'\u00e9cole si vous avez oubli\u00e9 vos "
        L"codes.\r\n\r\nAppuyez sur OK pour effectuer un nouvel essai.",
        L"password-refused");
    ExpectBox(run, program, DisconnectedText(L"2055"), L"disconnected-2055");
    ExpectExit(run, program);
}

void ServerUnreachable(Run& run) {
    Program program(run.program);
    if (!SignInWindow(run, program))
        return;
    SignIn(L"injoignable", L"secret");
    ExpectBox(run, program, DisconnectedText(L"516"), L"disconnected-516", VK_RETURN, 8000);
    ExpectExit(run, program);
}

std::vector<uint8_t> FileBytes(const std::wstring& path) {
    std::vector<uint8_t> bytes;
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    uint8_t piece[65536];
    DWORD read = 0;
    while (ReadFile(file, piece, sizeof piece, &read, nullptr) && read > 0)
        bytes.insert(bytes.end(), piece, piece + read);
    CloseHandle(file);
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// Both files are PNG pictures with the same pixels.
bool SamePicture(const std::wstring& a, const std::wstring& b) {
    TPNGObject pictures[2];
    const std::wstring* paths[2] = {&a, &b};
    for (int i = 0; i < 2; ++i) {
        const std::vector<uint8_t> bytes = FileBytes(*paths[i]);
        TByteReader stream(bytes.data(), bytes.size());
        try {
            pictures[i].LoadFromStream(stream);
        } catch (const std::exception&) {
            return false;
        }
    }
    const TDecodedImage& x = pictures[0].Image();
    const TDecodedImage& y = pictures[1].Image();
    if (x.Width() == 0 || x.Width() != y.Width() || x.Height() != y.Height())
        return false;
    for (uint32_t row = 0; row < x.Height(); ++row)
        for (uint32_t col = 0; col < x.Width(); ++col)
            if (!(x.Pixel(col, row) == y.Pixel(col, row)))
                return false;
    return true;
}

// Right-clicks the picture beside the sign-in card, chooses "Save &As..." with its letter, types
// `path` into the system's save dialog and presses Enter; answers the dialog.
HWND SavePictureThroughMenu(Run& run, Program& program, HWND form, const std::wstring& path) {
    const RECT c = ClientRectOnScreen(form);
    ClickAt({c.left + 40, c.top + 40}, true);
    run.Check(WaitFor([&] { return program.Window("#32768") != nullptr; }), "the picture's menu opens");
    Press('A');
    HWND dialog = nullptr;
    run.Check(WaitFor([&] {
                  dialog = GetForegroundWindow();
                  DWORD pid = 0;
                  GetWindowThreadProcessId(dialog, &pid);
                  return pid == program.Id() && dialog != form && program.Window("#32770") == dialog;
              }),
              "the save dialog opens");
    Sleep(Scaled(300));
    Type(path);
    Press(VK_RETURN);
    return dialog;
}

// Waits for the question before an existing file is replaced and answers it with `keys`.
void AnswerReplace(Run& run, Program& program, const std::vector<WORD>& keys) {
    HWND ask = nullptr;
    const bool asked = WaitFor([&] {
        return (ask = ForegroundWindowOf(program, "#32770", L"Confirmer l'enregistrement")) != nullptr;
    });
    run.Check(asked, "replacing the file is asked first");
    if (!asked)
        return;
    for (const WORD key : keys)
        Press(key);
    run.Check(WaitFor([&] { return !IsWindow(ask); }), "the question closes");
}

void PictureSavedAs(Run& run) {
    Program program(run.program);
    const HWND form = SignInWindow(run, program);
    if (!form)
        return;
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"orlix-e2e-picture.png";
    DeleteFileW(path.c_str());

    HWND dialog = SavePictureThroughMenu(run, program, form, path);
    run.Check(WaitFor([&] { return !IsWindow(dialog); }), "the save dialog closes");
    run.Check(WaitFor([&] { return SamePicture(path, run.picture); }),
              "the saved file holds the window's picture");

    // Saving over a file asks first, while the save dialog is still open: the default answer
    // returns to the dialog and keeps the old file as it was; Enter there asks again, and only
    // Yes replaces the file and closes the dialog.
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    WriteFileBytes(path, old);
    dialog = SavePictureThroughMenu(run, program, form, path);
    AnswerReplace(run, program, {VK_RETURN});
    run.Check(WaitFor([&] { return GetForegroundWindow() == dialog; }), "No returns to the save dialog");
    run.Check(FileBytes(path) == old, "the file is kept when replacing it is declined");
    Press(VK_RETURN);
    AnswerReplace(run, program, {VK_TAB, VK_RETURN});
    run.Check(WaitFor([&] { return !IsWindow(dialog); }), "the save dialog closes after Yes");
    run.Check(WaitFor([&] { return SamePicture(path, run.picture); }), "Yes replaces the file");

    DeleteFileW(path.c_str());
    Press(VK_ESCAPE);
    ExpectExit(run, program);
}

} // namespace

BOOL CALLBACK FindUserCodeField(HWND child, LPARAM found) {
    char cls[16] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpA(cls, "TEdit") != 0 || (GetWindowLongW(child, GWL_STYLE) & ES_PASSWORD))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

// The text of another process's edit field (GetWindowText would answer its caption only).
std::wstring FieldText(HWND field) {
    wchar_t text[256] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(field, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    return text;
}

// A user who types the moment the window appears loses no character: typed as soon as the
// sign-in window is visible, before it is known to have the focus, many times.
void KeysTypedAtOnceReachTheUserCode(Run& run) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        Program program(run.program);
        HWND form = nullptr;
        const DWORD start = GetTickCount();
        while (!(form = program.Window(kForm)) && GetTickCount() - start < Scaled(10000))
            Sleep(1);
        run.Check(form != nullptr, "the sign-in window appears");
        if (!form)
            return;
        Type(L"abc123");
        HWND field = nullptr;
        EnumChildWindows(form, FindUserCodeField, reinterpret_cast<LPARAM>(&field));
        std::wstring typed;
        const bool all = WaitFor([&] { return (typed = FieldText(field)) == L"abc123"; });
        run.Check(all, "attempt " + std::to_string(attempt + 1) + ": the user code holds every key typed (" +
                           std::string(typed.begin(), typed.end()) + ")");
        Press(VK_ESCAPE);
        ExpectExit(run, program);
        if (!all)
            return;
    }
}

const std::vector<Scenario>& Scenarios() {
    static const std::vector<Scenario> scenarios = {
        {"empty fields are refused", Refusals},
        {"keys typed at once reach the user code", KeysTypedAtOnceReachTheUserCode},
        {"a session closed by the window's Alt+F4", SessionClosedByTheWindow},
        {"a session dropped by the server", SessionDroppedByTheServer},
        {"the session fills the screen whatever starts it", SessionFillsTheScreenWhateverStartsIt},
        {"a refused password", PasswordRefused},
        {"an unreachable server", ServerUnreachable},
        {"the picture saved with Save As", PictureSavedAs},
    };
    return scenarios;
}

} // namespace e2e
