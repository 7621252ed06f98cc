#pragma once
// The development accounts of the stand-in control: after Connect, the user code (in any case)
// chooses a simulated outcome, played on the control's own window with timers and posted messages and
// never with a network connection.
//
//   refus        the authentication warning (18), then, once its call returned, OnDisconnected
//                with 2055 (logon failure)
//   injoignable  after two seconds, OnDisconnected with 516 (server not reachable)
//   any other    (demo) after one second, Connected reads 1 and OnConnected (2) fires; the window
//                shows a simulated desktop whose two buttons end the session with reason 2 (a
//                sign-out on the server) or 3 (a dropped connection)
//   immediat     the same session, connected inside the call to Connect
//   differe      the same session, connected 600 ms later from the timer of a message-only window
//                of the control's own, as controls that raise their events from a hidden window do
//
// Events go through the control's FireEvent, so they are recorded like any other.

#include "base/win/variant.h"
#include "base/win/window_handle.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace scripted {

class ScriptedControl;

class DemoSession {
  public:
    explicit DemoSession(ScriptedControl& control) : control_(control) {}
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    // Plays the outcome of `userCode` on `window`; a session already under way goes on.
    void Start(HWND window, std::wstring userCode);
    // The window is going away: its timers and buttons go with it.
    void Stop() noexcept;
    // A message of the control's window; true when the session handled it, with `result`.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept;
    // The timer of the session's message-only window is due.
    void OnTimerWindowDue() noexcept;

  private:
    enum class Outcome { Connects, ConnectsAtOnce, ConnectsLater, Refused, Unreachable };
    enum class Phase { Idle, Waiting, Connected, Ending, Ended };

    static Outcome OutcomeOf(const std::wstring& userCode);
    void OnOutcomeDue();
    void OnButton(WORD id);
    // The posted end of the session, after a button or the authentication warning.
    void OnEnd(int32_t reason);
    // Ends the session at once: Connected reads 0, then OnDisconnected with `reason`.
    void Disconnect(int32_t reason);
    void Fire(DISPID dispid, std::vector<Variant> args = {});

    ScriptedControl& control_;
    HWND window_ = nullptr;
    WindowHandle timerWindow_; // the message-only window of a later connection
    Phase phase_ = Phase::Idle;
    Outcome outcome_ = Outcome::Connects;
    std::wstring userCode_;
};

} // namespace scripted
