#include "tests/support/scripted_control/standin_window.h"

#include "tests/support/scripted_control/scripted_control.h"

namespace scripted {

namespace {

constexpr wchar_t kClassName[] = L"OrlixScriptedRdpControl";
constexpr wchar_t kControlProperty[] = L"OrlixScriptedRdpControl.Control";
constexpr wchar_t kTimerClassName[] = L"OrlixScriptedRdpControl.Timer";
constexpr wchar_t kSessionProperty[] = L"OrlixScriptedRdpControl.Session";
constexpr wchar_t kTitle[] = L"Bureau \u00e0 distance (contr\u00f4le de d\u00e9veloppement)";
constexpr wchar_t kConnecting[] = L"Connexion en cours\u2026";

LRESULT CALLBACK StandinWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

HINSTANCE ModuleInstance() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&StandinWindowProc), &module);
    return module;
}

bool RegisterClassOnce(const wchar_t* name, WNDPROC procedure, UINT style) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.hInstance = ModuleInstance();
    if (GetClassInfoExW(wc.hInstance, name, &wc))
        return true;
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

LRESULT CALLBACK SessionTimerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* session = static_cast<DemoSession*>(GetPropW(hwnd, kSessionProperty));
    if (message == WM_TIMER && session) {
        session->OnTimerWindowDue();
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemovePropW(hwnd, kSessionProperty);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

ScriptedControl* ControlOf(HWND hwnd) {
    return static_cast<ScriptedControl*>(GetPropW(hwnd, kControlProperty));
}

void Paint(HWND hwnd, bool connecting) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH background = CreateSolidBrush(RGB(0x1E, 0x22, 0x2A));
    FillRect(dc, &client, background);
    DeleteObject(background);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0xE0, 0xE4, 0xEA));
    RECT upper = client;
    upper.bottom = (client.top + client.bottom) / 2;
    DrawTextW(dc, kTitle, -1, &upper, DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
    if (connecting) {
        RECT lower = client;
        lower.top = upper.bottom + 4;
        DrawTextW(dc, kConnecting, -1, &lower, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK StandinWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ScriptedControl* control = ControlOf(hwnd);
    if (control && message >= OCM__BASE && message < OCM__BASE + WM_USER)
        control->OnReflectedMessage(message, wParam, lParam);
    if (DemoSession* demo = control ? control->Demo() : nullptr) {
        LRESULT result = 0;
        if (demo->HandleMessage(message, wParam, lParam, result))
            return result;
    }
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(hwnd, control && control->Connecting());
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    case WM_CHAR:
        if (control)
            control->OnWindowCharacter(wchar_t(wParam));
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (control)
            control->OnWindowFocus(message == WM_SETFOCUS);
        return 0;
    case WM_NCDESTROY:
        RemovePropW(hwnd, kControlProperty);
        if (control)
            control->OnWindowDestroyed();
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

HWND CreateStandinWindow(HWND parent, const RECT& position, ScriptedControl* control) {
    if (!RegisterClassOnce(kClassName, StandinWindowProc, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS))
        return nullptr;
    HWND hwnd =
        CreateWindowExW(0, kClassName, kTitle, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                        position.left, position.top, position.right - position.left,
                        position.bottom - position.top, parent, nullptr, ModuleInstance(), nullptr);
    if (hwnd && !SetPropW(hwnd, kControlProperty, control)) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    return hwnd;
}

void DetachStandinWindow(HWND hwnd) {
    RemovePropW(hwnd, kControlProperty);
}

HWND CreateSessionTimerWindow(DemoSession* session) {
    if (!RegisterClassOnce(kTimerClassName, SessionTimerWindowProc, 0))
        return nullptr;
    HWND hwnd = CreateWindowExW(0, kTimerClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                ModuleInstance(), nullptr);
    if (hwnd && !SetPropW(hwnd, kSessionProperty, session)) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    return hwnd;
}

void UnregisterStandinWindowClass() {
    UnregisterClassW(kClassName, ModuleInstance());
    UnregisterClassW(kTimerClassName, ModuleInstance());
}

} // namespace scripted
