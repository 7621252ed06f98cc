#include "tests/support/ui/ui_driver.h"

#include "app/application.h"

#include <algorithm>

namespace {

void SetModifierState(unsigned modifiers) {
    BYTE state[256];
    GetKeyboardState(state);
    const auto set = [&](int vk, bool down) { state[vk] = down ? 0x80 : 0; };
    set(VK_SHIFT, modifiers & kShift);
    set(VK_LSHIFT, modifiers & kShift);
    set(VK_CONTROL, modifiers & kCtrl);
    set(VK_LCONTROL, modifiers & kCtrl);
    set(VK_MENU, modifiers & kAlt);
    set(VK_LMENU, modifiers & kAlt);
    SetKeyboardState(state);
}

BOOL CALLBACK CollectDisabled(HWND hwnd, LPARAM param) {
    if (IsWindowVisible(hwnd) && !IsWindowEnabled(hwnd))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

struct ClassSearch {
    const char* name;
    HWND found;
};

BOOL CALLBACK MatchClass(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<ClassSearch*>(param);
    char name[64];
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpiA(name, s->name) == 0) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

void Pump() {
    for (int i = 0; i < 5; ++i) {
        if (Application)
            Application->ProcessMessages();
        Sleep(1);
    }
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        Pump();
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

namespace {

void PostMouse(UINT msg, HWND hwnd, int x, int y, unsigned keys) {
    POINT screen{x, y};
    ClientToScreen(hwnd, &screen);
    SetCursorPos(screen.x, screen.y);
    HWND target = GetCapture() ? GetCapture() : hwnd;
    POINT client = screen;
    ScreenToClient(target, &client);
    PostMessageA(target, msg, keys, MAKELPARAM(client.x, client.y));
    Pump();
}

} // namespace

void MoveMouse(HWND hwnd, int x, int y, unsigned keys) {
    PostMouse(WM_MOUSEMOVE, hwnd, x, y, keys);
}
void PressMouse(HWND hwnd, int x, int y) {
    PostMouse(WM_LBUTTONDOWN, hwnd, x, y, MK_LBUTTON);
}
void ReleaseMouse(HWND hwnd, int x, int y) {
    PostMouse(WM_LBUTTONUP, hwnd, x, y, 0);
}
void DoubleClickMouse(HWND hwnd, int x, int y) {
    PostMouse(WM_LBUTTONDBLCLK, hwnd, x, y, MK_LBUTTON);
}

void JumpCursor(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    // Some 150 ms: many ticks of the 10 ms trackers, even on a busy machine.
    PumpFor(150);
}

void PressKey(UINT vk, unsigned modifiers) {
    SetModifierState(modifiers);
    const HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    const UINT scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    const bool alt = modifiers & kAlt;
    const LPARAM down = 1 | LPARAM(scan) << 16 | (alt ? LPARAM(1) << 29 : 0);
    const LPARAM up = down | LPARAM(1) << 30 | LPARAM(1) << 31;
    PostMessageA(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, down);
    PostMessageA(target, alt ? WM_SYSKEYUP : WM_KEYUP, vk, up);
    Pump();
    SetModifierState(0);
}

void TypeText(const std::string& text) {
    for (const char c : text)
        PostMessageA(GetFocus(), WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
    Pump();
}

std::vector<RecordedBox>& RecordedBoxes() {
    static std::vector<RecordedBox> boxes;
    return boxes;
}

int WINAPI RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    RecordedBox box{owner, text ? text : "", caption ? caption : "", type, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectDisabled, reinterpret_cast<LPARAM>(&box.disabledWindows));
    RecordedBoxes().push_back(std::move(box));
    return IDOK;
}

namespace {

// The platform's boxes that were answered while the outermost AnswerMessageBox showed its own.
std::vector<HWND> g_answeredBoxes;

BOOL CALLBACK PressEnterInBox(HWND hwnd, LPARAM) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(hwnd) || GetActiveWindow() != hwnd ||
        std::find(g_answeredBoxes.begin(), g_answeredBoxes.end(), hwnd) != g_answeredBoxes.end())
        return TRUE;
    g_answeredBoxes.push_back(hwnd);
    const HWND focus = GetFocus();
    const HWND target = focus && IsChild(hwnd, focus) ? focus : hwnd;
    PostMessageA(target, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(target, WM_KEYUP, VK_RETURN, 1 | (LPARAM(3) << 30));
    return FALSE;
}

void CALLBACK AnswerTick(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), PressEnterInBox, 0);
}

} // namespace

int WINAPI AnswerMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    RecordMessageBox(owner, text, caption, type);
    if (RecordedBoxes().size() > kAnsweredBoxesLimit)
        return IDOK;
    // One timer answers the boxes of every nesting level, each once.
    static int depth = 0;
    static UINT_PTR timer = 0;
    if (depth++ == 0)
        timer = SetTimer(nullptr, 0, 10, AnswerTick);
    const int answer = MessageBoxA(owner, text, caption, type);
    if (--depth == 0) {
        KillTimer(nullptr, timer);
        g_answeredBoxes.clear();
    }
    return answer;
}

HWND FindChildByClass(HWND parent, const char* className) {
    ClassSearch search{className, nullptr};
    EnumChildWindows(parent, MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

TRect BoundsInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}
