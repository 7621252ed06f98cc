#include "framework/mouse_tracking.h"

#include <algorithm>
#include <utility>

#include "base/scope_guard.h"
#include "base/win/rect.h"
#include "framework/application_services.h"
#include "framework/messages.h"
#include "framework/win_control.h"

struct TMouseTrackingTimerList::Tracker {
    TWinControl* control;
    TRect screenBounds;
    IcxMouseTrackingCaller* caller;
    UINT_PTR timer;
};

namespace {

void CALLBACK TrackerTimerProc(HWND, UINT, UINT_PTR timer, DWORD) {
    try {
        MouseTrackingTimerList().Tick(timer);
    } catch (...) {
        ReportException(nullptr);
    }
}

// The window and its ancestors up to its top-level window are enabled: otherwise a modal box
// or a disabled parent keeps the pointer from the control.
bool Usable(HWND hwnd) {
    for (HWND h = hwnd; h; h = GetParent(h)) {
        if (!IsWindowEnabled(h))
            return false;
        if (!(GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD))
            break;
    }
    return hwnd != nullptr;
}

} // namespace

TMouseTrackingTimerList::~TMouseTrackingTimerList() {
    for (const auto& t : trackers_)
        KillTimer(nullptr, t->timer);
}

void TMouseTrackingTimerList::Start(TWinControl& control, const TRect& bounds,
                                    IcxMouseTrackingCaller& caller) {
    if (IsTracking(caller))
        return;
    POINT corners[2] = {{bounds.left, bounds.top}, {bounds.right, bounds.bottom}};
    if (control.HandleAllocated())
        MapWindowPoints(control.WindowHandle(), nullptr, corners, 2);
    const UINT_PTR timer = SetTimer(nullptr, 0, kInterval, TrackerTimerProc);
    trackers_.push_back(std::make_unique<Tracker>(
        Tracker{&control, {corners[0].x, corners[0].y, corners[1].x, corners[1].y}, &caller, timer}));
}

void TMouseTrackingTimerList::Stop(IcxMouseTrackingCaller& caller) {
    const auto it =
        std::find_if(trackers_.begin(), trackers_.end(), [&](const auto& t) { return t->caller == &caller; });
    if (it == trackers_.end())
        return;
    std::unique_ptr<Tracker> tracker = std::move(*it);
    trackers_.erase(it);
    KillTimer(nullptr, tracker->timer);
    if (tracker.get() == ticking_)
        retired_ = std::move(tracker);
}

bool TMouseTrackingTimerList::IsTracking(const IcxMouseTrackingCaller& caller) const {
    return std::any_of(trackers_.begin(), trackers_.end(),
                       [&](const auto& t) { return t->caller == &caller; });
}

void TMouseTrackingTimerList::Tick(UINT_PTR timer) {
    const auto it =
        std::find_if(trackers_.begin(), trackers_.end(), [&](const auto& t) { return t->timer == timer; });
    if (it == trackers_.end())
        return;
    Tracker& t = **it;
    POINT cursor;
    if (!GetCursorPos(&cursor))
        cursor = {-1, -1};
    const HWND hwnd = t.control->WindowHandle();
    const bool usable = Usable(hwnd);
    if (usable && t.screenBounds.Contains({cursor.x, cursor.y}))
        return;

    // The notifications may stop this tracker; nothing of it is touched after them, and it is
    // freed only once the tick is over.
    TWinControl* const control = t.control;
    IcxMouseTrackingCaller* const caller = t.caller;
    ticking_ = &t;
    const ScopeExit endTick([this] {
        ticking_ = nullptr;
        retired_.reset();
    });
    if (hwnd) {
        POINT client = cursor;
        ScreenToClient(hwnd, &client);
        RECT r;
        GetClientRect(hwnd, &r);
        if (!usable || !ToTRect(r).Contains({client.x, client.y}))
            control->Perform(CM_MOUSELEAVE);
    }
    caller->NotifyMouseLeft();
    Stop(*caller);
}

TMouseTrackingTimerList& MouseTrackingTimerList() {
    static TMouseTrackingTimerList list;
    return list;
}

void StartMouseLeaveTracking(TWinControl& control, const TRect& bounds, IcxMouseTrackingCaller& caller) {
    MouseTrackingTimerList().Start(control, bounds, caller);
}

void StopMouseLeaveTracking(IcxMouseTrackingCaller& caller) {
    MouseTrackingTimerList().Stop(caller);
}

THotTracking::~THotTracking() {
    StopMouseLeaveTracking(*this);
}

bool THotTracking::EnterHot() {
    if (hot_)
        return false;
    StartMouseLeaveTracking(control_, control_.ClientRect(), *this);
    hot_ = true;
    return true;
}

bool THotTracking::LeaveHot() {
    StopMouseLeaveTracking(*this);
    return std::exchange(hot_, false);
}

void THotTracking::ResetHot(bool hot) {
    hot_ = hot;
    if (hot_)
        StartMouseLeaveTracking(control_, control_.ClientRect(), *this);
}
