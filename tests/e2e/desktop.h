#pragma once
// What a user has at hand, from another process: starting the program, finding its windows,
// typing and clicking through the system's input queue, and looking at the screen.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// How a program is started: directly, or through the shell as a shortcut or "start /max" does.
enum class StartedBy { CreateProcess, Shell };

// Registers the stand-in control (its DllRegisterServer) in this prefix, as the run command does.
bool RegisterStandin(const wchar_t* dll);

// The program, started in a process of its own; ended by force if a scenario leaves it running.
class Program {
  public:
    // `showCommand`, when given, is the start-up information's show command, as a shortcut's
    // "Run" setting gives it.
    explicit Program(const std::wstring& path, int showCommand = -1,
                     StartedBy startedBy = StartedBy::CreateProcess);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    // The exit code once the process ended within the time, or nothing.
    bool WaitForExit(DWORD milliseconds, DWORD& exitCode);
    // The visible top-level window of the program with this class name, or nullptr.
    HWND Window(const char* className) const;

  private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// A wait of `milliseconds` at native speed, times ORLIX_WAIT_SCALE (1 when unset): an emulated
// run is several times slower.
DWORD Scaled(DWORD milliseconds);

// Polls `condition` every 20 ms for at most `milliseconds` (scaled).
bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds = 5000);

// Input as the keyboard and mouse give it, to whatever window has the focus.
void Type(const std::wstring& text);
enum Modifier : unsigned { kNone = 0, kAlt = 1, kShift = 2 };
void Press(WORD vk, unsigned modifiers = kNone);
void ClickAt(POINT screen, bool rightButton = false);

// The program's foreground window when it has this class name and title, or nullptr.
HWND ForegroundWindowOf(const Program& program, const char* className, const std::wstring& title);

// The text of a window of another process, as UTF-16.
std::wstring TextOf(HWND hwnd);
// The warning box's message: the text of its static control that has one.
std::wstring BoxMessage(HWND box);
RECT ClientRectOnScreen(HWND hwnd);

// A copy of the screen in 0x00RRGGBB pixels.
class Screenshot {
  public:
    Screenshot();
    uint32_t Pixel(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }
    // Saves the part under `area` as a 24-bit BMP file.
    bool Save(const std::wstring& path, const RECT& area) const;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

} // namespace e2e
