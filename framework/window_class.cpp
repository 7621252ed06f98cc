#include "framework/window_class.h"

#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "base/exception.h"

namespace {

thread_local TWinControl* t_creating = nullptr;

const char* ControlPropertyName() {
    return "ORLIX.Control";
}

std::map<std::string, WNDPROC>& RegisteredClasses() {
    static std::map<std::string, WNDPROC> classes;
    return classes;
}

void Bind(HWND hwnd, TWinControl* control) {
    SetPropA(hwnd, ControlPropertyName(), control);
}

// The platform's class functions in their 8-bit and their UTF-16 forms.
struct AnsiClasses {
    using Char = char;
    using WndClass = WNDCLASSEXA;
    static constexpr auto GetInfo = &GetClassInfoExA;
    static constexpr auto Register = &RegisterClassExA;
    static constexpr WNDPROC DefaultProc = DefWindowProcA;
    static constexpr WNDPROC FrameworkProc = FrameworkWindowProc;
};

struct UnicodeClasses {
    using Char = wchar_t;
    using WndClass = WNDCLASSEXW;
    static constexpr auto GetInfo = &GetClassInfoExW;
    static constexpr auto Register = &RegisterClassExW;
    static constexpr WNDPROC DefaultProc = DefWindowProcW;
    static constexpr WNDPROC FrameworkProc = FrameworkWindowProcW;
};

// Registers the class with the framework's procedure in front of the default handling: the
// base class's procedure for a superclass, DefWindowProc for an own class. Class names are ASCII.
template <class Api>
WNDPROC RegisterClassWith(const WindowClassInfo& info) {
    using Text = std::basic_string<typename Api::Char>;
    const auto text = [](const char* s) { return Text(s, s + strlen(s)); };
    typename Api::WndClass wc{};
    wc.cbSize = sizeof wc;
    WNDPROC defaultProc = Api::DefaultProc;
    if (info.baseClass) {
        if (!Api::GetInfo(nullptr, text(info.baseClass).c_str(), &wc))
            throw Exception(std::string("Cannot find window class ") + info.baseClass);
        defaultProc = wc.lpfnWndProc;
        // A global class keeps working when a system DLL registers it under another module.
        wc.style &= ~CS_GLOBALCLASS;
    } else {
        wc.style = info.style;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    }
    const Text name = text(info.name);
    wc.cbSize = sizeof wc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpfnWndProc = Api::FrameworkProc;
    wc.lpszClassName = name.c_str();
    if (!Api::Register(&wc))
        throw Exception(std::string("Cannot register window class ") + info.name);
    return defaultProc;
}

} // namespace

WNDPROC EnsureWindowClass(const WindowClassInfo& info) {
    auto& classes = RegisteredClasses();
    if (const auto it = classes.find(info.name); it != classes.end())
        return it->second;

    const WNDPROC defaultProc =
        info.unicode ? RegisterClassWith<UnicodeClasses>(info) : RegisterClassWith<AnsiClasses>(info);
    classes.emplace(info.name, defaultProc);
    return defaultProc;
}

void SetCreatingControl(TWinControl* control) {
    t_creating = control;
}

TWinControl* BindCreatingControl(HWND hwnd) {
    TWinControl* control = std::exchange(t_creating, nullptr);
    if (control)
        Bind(hwnd, control);
    return control;
}

void UnbindWindow(HWND hwnd) {
    RemovePropA(hwnd, ControlPropertyName());
}

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
