#include "tests/e2e/desktop.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <shellapi.h>

#include "base/win/gdi.h"

namespace e2e {

bool RegisterStandin(const wchar_t* dll) {
    const HMODULE module = LoadLibraryW(dll);
    if (!module)
        return false;
    using Register = HRESULT(STDAPICALLTYPE*)();
    const auto reg =
        reinterpret_cast<Register>(reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer")));
    const bool ok = reg && SUCCEEDED(reg());
    FreeLibrary(module);
    return ok;
}

namespace {

struct Search {
    DWORD process;
    const char* className;
    HWND found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid == s->process && IsWindowVisible(hwnd) && lstrcmpA(cls, s->className) == 0) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(30);
}

INPUT Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

} // namespace

Program::Program(const std::wstring& path, int showCommand, StartedBy startedBy) {
    if (startedBy == StartedBy::Shell) {
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.lpFile = path.c_str();
        info.nShow = showCommand >= 0 ? showCommand : SW_SHOWNORMAL;
        if (ShellExecuteExW(&info) && info.hProcess) {
            process_ = info.hProcess;
            id_ = GetProcessId(info.hProcess);
        }
        return;
    }
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (showCommand >= 0) {
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = WORD(showCommand);
    }
    PROCESS_INFORMATION pi{};
    std::wstring commandLine = L"\"" + path + L"\"";
    if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                       &pi)) {
        CloseHandle(pi.hThread);
        process_ = pi.hProcess;
        id_ = pi.dwProcessId;
    }
}

Program::~Program() {
    if (!process_)
        return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, Scaled(5000));
    }
    CloseHandle(process_);
}

bool Program::WaitForExit(DWORD milliseconds, DWORD& exitCode) {
    if (!process_ || WaitForSingleObject(process_, Scaled(milliseconds)) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process_, &exitCode) != 0;
}

HWND Program::Window(const char* className) const {
    Search s{id_, className, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

DWORD Scaled(DWORD milliseconds) {
    static const DWORD scale = [] {
        char text[16] = "";
        const DWORD length = GetEnvironmentVariableA("ORLIX_WAIT_SCALE", text, sizeof text);
        const long value = length && length < sizeof text ? strtol(text, nullptr, 10) : 1;
        return DWORD(value >= 1 && value <= 100 ? value : 1);
    }();
    return milliseconds * scale;
}

bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds) {
    milliseconds = Scaled(milliseconds);
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(20);
    }
    return true;
}

void Type(const std::wstring& text) {
    for (const wchar_t c : text) {
        INPUT in[2] = {};
        for (int i = 0; i < 2; ++i) {
            in[i].type = INPUT_KEYBOARD;
            in[i].ki.wScan = c;
            in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        Send({in[0], in[1]});
    }
}

void Press(WORD vk, unsigned modifiers) {
    std::vector<INPUT> inputs;
    if (modifiers & kAlt)
        inputs.push_back(Key(VK_MENU, false));
    if (modifiers & kShift)
        inputs.push_back(Key(VK_SHIFT, false));
    inputs.push_back(Key(vk, false));
    inputs.push_back(Key(vk, true));
    if (modifiers & kShift)
        inputs.push_back(Key(VK_SHIFT, true));
    if (modifiers & kAlt)
        inputs.push_back(Key(VK_MENU, true));
    Send(inputs);
}

void ClickAt(POINT p, bool rightButton) {
    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in[3] = {};
    for (INPUT& i : in) {
        i.type = INPUT_MOUSE;
        i.mi.dx = MulDiv(p.x, 65535, w - 1);
        i.mi.dy = MulDiv(p.y, 65535, h - 1);
    }
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = (rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN) | MOUSEEVENTF_ABSOLUTE;
    in[2].mi.dwFlags = (rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP) | MOUSEEVENTF_ABSOLUTE;
    Send({in[0]});
    Send({in[1], in[2]});
}

HWND ForegroundWindowOf(const Program& program, const char* className, const std::wstring& title) {
    const HWND hwnd = GetForegroundWindow();
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    return pid == program.Id() && lstrcmpA(cls, className) == 0 && TextOf(hwnd) == title ? hwnd : nullptr;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[1024] = {};
    GetWindowTextW(hwnd, text, 1024);
    return text;
}

std::wstring BoxMessage(HWND box) {
    for (HWND child = FindWindowExA(box, nullptr, "STATIC", nullptr); child;
         child = FindWindowExA(box, child, "STATIC", nullptr)) {
        const std::wstring text = TextOf(child);
        if (!text.empty())
            return text;
    }
    return {};
}

RECT ClientRectOnScreen(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Screenshot::Screenshot() : width_(GetSystemMetrics(SM_CXSCREEN)), height_(GetSystemMetrics(SM_CYSCREEN)) {
    pixels_.resize(size_t(width_) * height_);
    const WindowDC screen(nullptr);
    const MemoryDC memory(screen.Get());
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width_;
    bi.bmiHeader.biHeight = -height_;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const BitmapHandle bitmap(CreateDIBSection(screen.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return;
    const SelectGuard selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width_, height_, screen.Get(), 0, 0, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < pixels_.size(); ++i)
        pixels_[i] = p[i] & 0xFFFFFF;
}

bool Screenshot::Save(const std::wstring& path, const RECT& area) const {
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    if (w <= 0 || h <= 0 || area.left < 0 || area.top < 0 || area.right > width_ || area.bottom > height_)
        return false;
    const int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = DWORD(stride) * h;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::vector<uint8_t> rows(info.biSizeImage);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = rows.data() + size_t(h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            const uint32_t p = Pixel(area.left + x, area.top + y);
            row[3 * x] = uint8_t(p);
            row[3 * x + 1] = uint8_t(p >> 8);
            row[3 * x + 2] = uint8_t(p >> 16);
        }
    }
    std::unique_ptr<FILE, int (*)(FILE*)> f(_wfopen(path.c_str(), L"wb"), fclose);
    if (!f)
        return false;
    const bool ok = fwrite(&file, sizeof file, 1, f.get()) == 1 &&
                    fwrite(&info, sizeof info, 1, f.get()) == 1 &&
                    fwrite(rows.data(), rows.size(), 1, f.get()) == 1;
    return fclose(f.release()) == 0 && ok;
}

} // namespace e2e
