// startup_phases program|host COUNTER
// One start of the program (or of the reference window, reference_form.h) with its phases timed
// from the inside, for startup_breakdown: COUNTER is the performance counter the launcher read
// just before it created this process. The program's code runs as it ships; what it asks of the
// platform (windows, fonts, text, the control object, COM, paints) is timed through this
// executable's import table (import_patch.h) and the thread's message hooks. Once the message
// loop first waits with nothing left to do, one "phase<TAB>milliseconds" line per phase goes to
// the standard output and the window is closed.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/main.h"
#include "app/program.h"
#include "framework/description/description.h"
#include "picture/picture.h"
#include "tests/bench/startup/import_patch.h"
#include "tests/bench/startup/reference_form.h"

namespace {

int64_t Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double Ms(int64_t ticks) {
    static const double perMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return double(frequency.QuadPart) / 1000.0;
    }();
    return double(ticks) / perMs;
}

// Window creations and paints nest (a child painted while its parent is shown): each is timed
// without the ones nested in it.
class SpanStack {
  public:
    void Begin() { open_.push_back({Now(), 0}); }
    int64_t End() {
        const Open done = open_.back();
        open_.pop_back();
        const int64_t total = Now() - done.start;
        if (!open_.empty())
            open_.back().nested += total;
        return total - done.nested;
    }

  private:
    struct Open {
        int64_t start;
        int64_t nested;
    };
    std::vector<Open> open_;
};

struct WindowTimes {
    int64_t create = 0;
    int64_t paint = 0;
    int paints = 0;
};

struct Record {
    int64_t launched = 0;
    int64_t entry = 0;
    int64_t description = 0;
    int64_t formStart = 0;
    int64_t firstCreate = 0; // the first window created after formStart
    int64_t created = 0;
    int64_t shown = 0;
    int64_t idle = 0;
    int64_t com = 0;
    int64_t controlObject = 0;
    int64_t images = 0;
    int64_t fontCreate = 0;
    int fonts = 0;
    int64_t firstText = 0; // the first text drawn in each font: under Wine, loading it
    int64_t otherText = 0;
    std::set<std::tuple<std::string, LONG, LONG>> fontsUsed;
    std::vector<HWND> windowOrder;
    std::map<HWND, WindowTimes> windows;
    TWinControl* form = nullptr;
    HWND applicationWindow = nullptr;
    bool formFollowsApplication = false;
    // Children get their windows when the form is shown, and some paint at once.
    int64_t createdWhileShowing = 0;
    int64_t paintedWhileShowing = 0;
};

Record record;
SpanStack spans;

bool Painting(UINT message) {
    return message == WM_PAINT || message == WM_NCPAINT || message == WM_ERASEBKGND;
}

bool Showing() {
    return record.created && !record.shown;
}

void WindowPainted(HWND window, int64_t exclusive) {
    WindowTimes& times = record.windows[window];
    times.paint += exclusive;
    ++times.paints;
    if (Showing())
        record.paintedWhileShowing += exclusive;
}

void WindowCreated(HWND window, int64_t exclusive, int64_t start) {
    if (!window)
        return;
    if (!record.applicationWindow) {
        // The application object's window is the first made; the program reads its form next.
        record.applicationWindow = window;
        if (record.formFollowsApplication)
            record.formStart = Now();
    } else if (record.formStart && !record.firstCreate) {
        record.firstCreate = start;
    }
    record.windowOrder.push_back(window);
    record.windows[window].create += exclusive;
    if (Showing())
        record.createdWhileShowing += exclusive;
}

decltype(&CreateWindowExA) originalCreateWindowExA;
decltype(&CreateWindowExW) originalCreateWindowExW;
decltype(&DispatchMessageA) originalDispatchMessageA;
decltype(&DispatchMessageW) originalDispatchMessageW;
decltype(&CreateFontIndirectA) originalCreateFontIndirectA;
decltype(&DrawTextA) originalDrawTextA;
decltype(&LoadImageA) originalLoadImageA;
decltype(&WaitMessage) originalWaitMessage;
decltype(&CoCreateInstance) originalCoCreateInstance;
decltype(&CoInitialize) originalCoInitialize;

HWND WINAPI TimedCreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR name, DWORD style, int x, int y,
                                 int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                 LPVOID param) {
    const int64_t start = Now();
    spans.Begin();
    const HWND window = originalCreateWindowExA(exStyle, className, name, style, x, y, width, height, parent,
                                                menu, instance, param);
    WindowCreated(window, spans.End(), start);
    return window;
}

HWND WINAPI TimedCreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR name, DWORD style, int x, int y,
                                 int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                 LPVOID param) {
    const int64_t start = Now();
    spans.Begin();
    const HWND window = originalCreateWindowExW(exStyle, className, name, style, x, y, width, height, parent,
                                                menu, instance, param);
    WindowCreated(window, spans.End(), start);
    return window;
}

template <typename Dispatch>
LRESULT TimedDispatch(Dispatch dispatch, const MSG* msg) {
    if (!msg || !Painting(msg->message) || record.idle)
        return dispatch(msg);
    spans.Begin();
    const LRESULT result = dispatch(msg);
    WindowPainted(msg->hwnd, spans.End());
    return result;
}

LRESULT WINAPI TimedDispatchMessageA(const MSG* msg) {
    return TimedDispatch(originalDispatchMessageA, msg);
}

LRESULT WINAPI TimedDispatchMessageW(const MSG* msg) {
    return TimedDispatch(originalDispatchMessageW, msg);
}

// Paints sent rather than dispatched (a window updated at once, erasing, frames).
LRESULT CALLBACK BeforeSent(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && Painting(sent->message) && !record.idle)
        spans.Begin();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK AfterSent(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && Painting(sent->message) && !record.idle)
        WindowPainted(sent->hwnd, spans.End());
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HFONT WINAPI TimedCreateFontIndirectA(const LOGFONTA* font) {
    const int64_t start = Now();
    const HFONT result = originalCreateFontIndirectA(font);
    record.fontCreate += Now() - start;
    ++record.fonts;
    return result;
}

int WINAPI TimedDrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format) {
    LOGFONTA font{};
    GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
    const bool first = record.fontsUsed.insert({font.lfFaceName, font.lfHeight, font.lfWeight}).second;
    const int64_t start = Now();
    const int result = originalDrawTextA(dc, text, length, rect, format);
    (first ? record.firstText : record.otherText) += Now() - start;
    return result;
}

HANDLE WINAPI TimedLoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags) {
    const int64_t start = Now();
    const HANDLE result = originalLoadImageA(instance, name, type, width, height, flags);
    record.images += Now() - start;
    return result;
}

HRESULT WINAPI TimedCoCreateInstance(REFCLSID id, LPUNKNOWN outer, DWORD context, REFIID iid, LPVOID* out) {
    const int64_t start = Now();
    const HRESULT result = originalCoCreateInstance(id, outer, context, iid, out);
    record.controlObject += Now() - start;
    return result;
}

HRESULT WINAPI TimedCoInitialize(LPVOID reserved) {
    const int64_t start = Now();
    const HRESULT result = originalCoInitialize(reserved);
    record.com += Now() - start;
    return result;
}

void Print(std::string& out, const std::string& phase, double ms) {
    char value[32];
    std::snprintf(value, sizeof value, "\t%.3f\n", ms);
    out += phase + value;
}

void NameWindows(TWinControl& control, std::map<HWND, std::string>& names) {
    if (control.HandleAllocated())
        names[control.WindowHandle()] = control.Name() + " (" + control.ClassName() + ")";
    for (TWinControl* child : control.Controls())
        NameWindows(*child, names);
}

std::string Report() {
    const Record& r = record;
    std::string out;
    Print(out, "process start to entry", Ms(r.entry - r.launched));
    Print(out, "reading the description", Ms(r.description));
    Print(out, "initialising COM", Ms(r.com));
    // The application object: its icon and its owner window, the first window made.
    const auto application = r.windows.find(r.applicationWindow);
    Print(out, "application object's window",
          Ms(application == r.windows.end() ? 0 : application->second.create));
    Print(out, "reading the window's components", Ms(r.firstCreate - r.formStart - r.controlObject));
    Print(out, "  of which creating the control object", Ms(r.controlObject));
    Print(out, "creating the form's window", Ms(r.created - r.firstCreate));
    Print(out, "showing the window", Ms(r.shown - r.created));
    Print(out, "  of which creating the child windows", Ms(r.createdWhileShowing));
    Print(out, "  of which painting", Ms(r.paintedWhileShowing));
    Print(out, "painting until the loop waits", Ms(r.idle - r.shown));
    std::map<HWND, std::string> names;
    if (r.form)
        NameWindows(*r.form, names);
    for (const HWND window : r.windowOrder) {
        const auto name = names.find(window);
        if (name == names.end())
            continue;
        const WindowTimes& times = r.windows.at(window);
        Print(out, "  creating " + name->second, Ms(times.create));
        // Erasing, frame and paint messages.
        Print(out, "  painting " + name->second, Ms(times.paint));
        Print(out, "  paint messages to " + name->second + " (a count)", times.paints);
    }
    Print(out, "images loaded (icon, glyphs)", Ms(r.images));
    Print(out, "creating fonts (" + std::to_string(r.fonts) + ")", Ms(r.fontCreate));
    Print(out, "first text in each font (" + std::to_string(r.fontsUsed.size()) + ")", Ms(r.firstText));
    Print(out, "other text", Ms(r.otherText));
    Print(out, "process start to the loop waiting", Ms(r.idle - r.launched));
    return out;
}

BOOL WINAPI TimedWaitMessage() {
    if (!record.idle) {
        record.idle = Now();
        const std::string report = Report();
        DWORD written;
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), report.data(), DWORD(report.size()), &written, nullptr);
        PostMessageA(record.form->WindowHandle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return originalWaitMessage();
}

bool PatchImports() {
    bool ok =
        PatchOwnImport("user32.dll", "CreateWindowExA", &TimedCreateWindowExA, originalCreateWindowExA) &
        PatchOwnImport("user32.dll", "CreateWindowExW", &TimedCreateWindowExW, originalCreateWindowExW) &
        PatchOwnImport("user32.dll", "DispatchMessageA", &TimedDispatchMessageA, originalDispatchMessageA) &
        PatchOwnImport("user32.dll", "DispatchMessageW", &TimedDispatchMessageW, originalDispatchMessageW) &
        PatchOwnImport("user32.dll", "DrawTextA", &TimedDrawTextA, originalDrawTextA) &
        PatchOwnImport("user32.dll", "LoadImageA", &TimedLoadImageA, originalLoadImageA) &
        PatchOwnImport("user32.dll", "WaitMessage", &TimedWaitMessage, originalWaitMessage) &
        PatchOwnImport("gdi32.dll", "CreateFontIndirectA", &TimedCreateFontIndirectA,
                       originalCreateFontIndirectA) &
        PatchOwnImport("ole32.dll", "CoCreateInstance", &TimedCoCreateInstance, originalCoCreateInstance) &
        PatchOwnImport("ole32.dll", "CoInitialize", &TimedCoInitialize, originalCoInitialize);
    return ok && SetWindowsHookExA(WH_CALLWNDPROC, BeforeSent, nullptr, GetCurrentThreadId()) &&
           SetWindowsHookExA(WH_CALLWNDPROCRET, AfterSent, nullptr, GetCurrentThreadId());
}

// The stored picture of the description, decoded once more on its own.
void TimeDecoding(const DescObject& object, std::string& out) {
    if (const DescProperty* data = object.Find("Picture.Data")) {
        TPicture picture;
        const int64_t start = Now();
        picture.ReadData(data->value.bytes.data(), data->value.bytes.size());
        Print(out, "decoding " + object.name + "'s picture (timed alone)", Ms(Now() - start));
    }
    for (const DescObject& child : object.children)
        TimeDecoding(child, out);
}

int RunTheProgram() {
    int64_t start = Now();
    const DescObject description = LoadBuiltInDescription();
    record.description = Now() - start;
    ProgramOptions options;
    options.description = &description;
    options.onCreated = [](TApplication&, TFrmConnexionORLIX& form) {
        record.created = Now();
        record.form = &form;
    };
    options.onRunning = [](TApplication&, TFrmConnexionORLIX&) { record.shown = Now(); };
    record.formFollowsApplication = true;
    const int result = RunProgram(options);
    std::string decoding;
    TimeDecoding(description, decoding);
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), decoding.data(), DWORD(decoding.size()), &written, nullptr);
    return result;
}

int RunTheReference(int showCommand) {
    TApplication app;
    if (FAILED(CoInitialize(nullptr)))
        return 1;
    {
        int64_t start = Now();
        const DescObject description = ReadDescription(kReferenceDescription);
        record.description = Now() - start;
        record.formStart = Now();
        TStartupReference form(description);
        record.created = Now();
        record.form = &form;
        app.SetShowCommand(showCommand);
        app.ShowMainForm();
        record.shown = Now();
        app.RunLoop();
    }
    CoUninitialize();
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    record.entry = Now();
    if (__argc != 3)
        return 2;
    record.launched = std::strtoll(__argv[2], nullptr, 10);
    if (!PatchImports())
        return 3;
    RegisterProgramClasses();
    const std::string which = __argv[1];
    if (which == "program")
        return RunTheProgram();
    return which == "host" ? RunTheReference(showCommand) : 2;
}
