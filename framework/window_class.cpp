#include "framework/window_class.h"

#include <cstring>
#include <map>
#include <utility>
#include <string>

#include "base/exception.h"
#include "framework/application_services.h"
#include "framework/win_control.h"

namespace {

thread_local TWinControl* t_creating = nullptr;

const char* ControlPropertyName() { return "ORLIX.Control"; }

std::map<std::string, WNDPROC>& RegisteredClasses() {
    static std::map<std::string, WNDPROC> classes;
    return classes;
}

void Bind(HWND hwnd, TWinControl* control) { SetPropA(hwnd, ControlPropertyName(), control); }

std::wstring WideName(const char* name) { return std::wstring(name, name + strlen(name)); }

// The Unicode twin of a class: the framework's Unicode procedure in front of the base class's.
WNDPROC RegisterUnicodeClass(const WindowClassInfo& info, HINSTANCE instance) {
    const std::wstring name = WideName(info.name);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    WNDPROC defaultProc = DefWindowProcW;
    if (info.baseClass) {
        if (!GetClassInfoExW(nullptr, WideName(info.baseClass).c_str(), &wc))
            throw Exception(std::string("Cannot find window class ") + info.baseClass);
        defaultProc = wc.lpfnWndProc;
        wc.style &= ~CS_GLOBALCLASS;
    } else {
        wc.style = info.style;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    }
    wc.cbSize = sizeof wc;
    wc.hInstance = instance;
    wc.lpfnWndProc = FrameworkWindowProcW;
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc))
        throw Exception(std::string("Cannot register window class ") + info.name);
    return defaultProc;
}

}  // namespace

WNDPROC EnsureWindowClass(const WindowClassInfo& info) {
    auto& classes = RegisteredClasses();
    if (const auto it = classes.find(info.name); it != classes.end())
        return it->second;

    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (info.unicode) {
        const WNDPROC defaultProc = RegisterUnicodeClass(info, instance);
        classes.emplace(info.name, defaultProc);
        return defaultProc;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    WNDPROC defaultProc = DefWindowProcA;
    if (info.baseClass) {
        if (!GetClassInfoExA(nullptr, info.baseClass, &wc))
            throw Exception(std::string("Cannot find window class ") + info.baseClass);
        defaultProc = wc.lpfnWndProc;
        // A global class keeps working when a system DLL registers it under another module.
        wc.style &= ~CS_GLOBALCLASS;
    } else {
        wc.style = info.style;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    }
    wc.cbSize = sizeof wc;
    wc.hInstance = instance;
    wc.lpfnWndProc = FrameworkWindowProc;
    wc.lpszClassName = info.name;
    if (!RegisterClassExA(&wc))
        throw Exception(std::string("Cannot register window class ") + info.name);
    classes.emplace(info.name, defaultProc);
    return defaultProc;
}

void SetCreatingControl(TWinControl* control) { t_creating = control; }

TWinControl* FindControl(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    return static_cast<TWinControl*>(GetPropA(hwnd, ControlPropertyName()));
}

WNDPROC HookWindow(HWND hwnd, TWinControl* control) {
    Bind(hwnd, control);
    // A Unicode window stays Unicode: an ANSI procedure in front of it would turn its
    // characters into the ANSI code page and back.
    if (IsWindowUnicode(hwnd))
        return reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameworkWindowProcW)));
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameworkWindowProc)));
}

void UnhookWindow(HWND hwnd, WNDPROC previous) {
    if (IsWindowUnicode(hwnd))
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    else
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(hwnd, ControlPropertyName());
}

namespace {

LRESULT Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, WNDPROC unbound) {
    TWinControl* control = FindControl(hwnd);
    if (!control && t_creating) {
        control = std::exchange(t_creating, nullptr);
        Bind(hwnd, control);
        try {
            control->AttachHandle(hwnd);
        } catch (...) {
            ReportException(control);
        }
    }
    if (!control)
        return unbound(hwnd, msg, wParam, lParam);

    TMessage m{msg, wParam, lParam, 0};
    try {
        control->WndProc(m);
    } catch (...) {
        ReportException(control);
    }
    if (msg == WM_NCDESTROY) {
        RemovePropA(hwnd, ControlPropertyName());
        try {
            control->HandleDestroyed(hwnd);
        } catch (...) {
            ReportException(control);
        }
    }
    return m.result;
}

}  // namespace

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Dispatch(hwnd, msg, wParam, lParam, DefWindowProcA);
}

LRESULT CALLBACK FrameworkWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Dispatch(hwnd, msg, wParam, lParam, DefWindowProcW);
}
