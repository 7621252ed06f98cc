#include "tests/support/scripted_control/demo_session.h"

#include "base/win/com_ptr.h"
#include "session/rdp_ids.h"
#include "tests/support/scripted_control/demo_desktop.h"
#include "tests/support/scripted_control/scripted_control.h"
#include "tests/support/scripted_control/standin_window.h"

#include <stdexcept>

namespace scripted {

namespace {

constexpr UINT_PTR kOutcomeTimer = 1;
constexpr UINT_PTR kClockTimer = 2;
constexpr UINT kConnectDelayMs = 1000;
constexpr UINT kLaterConnectDelayMs = 600;
constexpr UINT kUnreachableDelayMs = 2000;
constexpr UINT kClockIntervalMs = 1000;
// Posted with the disconnect reason, so the event fires from the window's own message and
// never inside a call that is still running.
constexpr UINT kEndMessage = WM_APP + 0x4D0;

constexpr int32_t kLogonFailure = 2055;
constexpr int32_t kServerNotFound = 516;

bool SameCode(const std::wstring& a, const wchar_t* b) {
    return CompareStringOrdinal(a.c_str(), int(a.size()), b, -1, TRUE) == CSTR_EQUAL;
}

} // namespace

DemoSession::Outcome DemoSession::OutcomeOf(const std::wstring& userCode) {
    if (SameCode(userCode, L"refus"))
        return Outcome::Refused;
    if (SameCode(userCode, L"injoignable"))
        return Outcome::Unreachable;
    if (SameCode(userCode, L"immediat"))
        return Outcome::ConnectsAtOnce;
    if (SameCode(userCode, L"differe"))
        return Outcome::ConnectsLater;
    return Outcome::Connects;
}

void DemoSession::Start(HWND window, std::wstring userCode) {
    if (phase_ != Phase::Idle && phase_ != Phase::Ended)
        return;
    outcome_ = OutcomeOf(userCode);
    userCode_ = std::move(userCode);
    window_ = window;
    phase_ = Phase::Waiting;
    switch (outcome_) {
    case Outcome::ConnectsAtOnce:
        OnOutcomeDue();
        break;
    case Outcome::ConnectsLater:
        timerWindow_.Reset(CreateSessionTimerWindow(this));
        if (!timerWindow_ || !SetTimer(timerWindow_.Get(), kOutcomeTimer, kLaterConnectDelayMs, nullptr))
            throw std::runtime_error("the session's timer window could not be created");
        break;
    default:
        SetTimer(window_, kOutcomeTimer,
                 outcome_ == Outcome::Unreachable ? kUnreachableDelayMs : kConnectDelayMs, nullptr);
    }
}

void DemoSession::Stop() noexcept {
    if (window_) {
        KillTimer(window_, kOutcomeTimer);
        KillTimer(window_, kClockTimer);
        DestroyDemoButtons(window_);
    }
    timerWindow_.Reset();
    window_ = nullptr;
    phase_ = Phase::Idle;
}

void DemoSession::OnTimerWindowDue() noexcept {
    const ComPtr<IUnknown> keepAlive(static_cast<IOleObject*>(&control_));
    try {
        KillTimer(timerWindow_.Get(), kOutcomeTimer);
        OnOutcomeDue();
    } catch (...) {
        // Nothing crosses the window procedure; the session stays where it was.
    }
}

bool DemoSession::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept {
    // A sink may release the control, and with it this session, while an event is handled.
    const ComPtr<IUnknown> keepAlive(static_cast<IOleObject*>(&control_));
    try {
        result = 0;
        switch (message) {
        case WM_TIMER:
            if (wParam == kOutcomeTimer) {
                KillTimer(window_, kOutcomeTimer);
                OnOutcomeDue();
                return true;
            }
            if (wParam == kClockTimer) {
                InvalidateRect(window_, nullptr, FALSE);
                return true;
            }
            return false;
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED || !lParam)
                return false;
            OnButton(LOWORD(wParam));
            return true;
        case kEndMessage:
            OnEnd(int32_t(wParam));
            return true;
        case WM_SIZE:
            if (window_)
                PlaceDemoButtons(window_);
            return false;
        case WM_PAINT:
            if (phase_ != Phase::Connected && phase_ != Phase::Ending)
                return false;
            PaintDemoDesktop(window_, userCode_);
            return true;
        default:
            return false;
        }
    } catch (...) {
        // Nothing crosses the window procedure; the session stays where it was.
        return false;
    }
}

void DemoSession::OnOutcomeDue() {
    if (phase_ != Phase::Waiting)
        return;
    switch (outcome_) {
    case Outcome::Connects:
    case Outcome::ConnectsAtOnce:
    case Outcome::ConnectsLater:
        phase_ = Phase::Connected;
        control_.SetConnected(true);
        CreateDemoButtons(window_);
        SetTimer(window_, kClockTimer, kClockIntervalMs, nullptr);
        Fire(RdpEvent::OnConnected);
        break;
    case Outcome::Refused:
        // The host shows its warning inside this call; the logon failure follows once it returned.
        Fire(RdpEvent::OnAuthenticationWarningDisplayed);
        if (phase_ == Phase::Waiting && window_) {
            phase_ = Phase::Ending;
            PostMessageW(window_, kEndMessage, WPARAM(kLogonFailure), 0);
        }
        break;
    case Outcome::Unreachable:
        Disconnect(kServerNotFound);
        break;
    }
}

void DemoSession::OnButton(WORD id) {
    const DemoEndButton* button = FindDemoEndButton(id);
    if (!button || phase_ != Phase::Connected)
        return;
    // Posted: the button goes away with the session, never inside its own click.
    phase_ = Phase::Ending;
    PostMessageW(window_, kEndMessage, WPARAM(button->reason), 0);
}

void DemoSession::OnEnd(int32_t reason) {
    if (phase_ == Phase::Ending)
        Disconnect(reason);
}

void DemoSession::Disconnect(int32_t reason) {
    phase_ = Phase::Ended;
    KillTimer(window_, kClockTimer);
    DestroyDemoButtons(window_);
    control_.SetConnected(false);
    std::vector<Variant> args;
    args.push_back(Variant::Long(reason));
    Fire(RdpEvent::OnDisconnected, std::move(args));
}

void DemoSession::Fire(DISPID dispid, std::vector<Variant> args) {
    control_.FireEvent(dispid, args);
}

} // namespace scripted
