#pragma once
// Mouse-leave tracking: one process-wide list of trackers, each polling the cursor every 10 ms
// on the user-interface thread and telling its caller once the pointer has left the control's
// bounds, or the control's window (or one of its ancestors up to its top-level window) has
// been disabled. A control that shows a hot look registers while hot. When the pointer has also
// left the control's window, the control first gets the framework's mouse-leave message
// (MouseLeave); the styled controls take both notifications to the same leaving.

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "base/geometry.h"

class TWinControl;

class IcxMouseTrackingCaller {
  public:
    virtual void NotifyMouseLeft() = 0;

  protected:
    ~IcxMouseTrackingCaller() = default;
};

class TMouseTrackingTimerList {
  public:
    static constexpr UINT kInterval = 10;

    TMouseTrackingTimerList() = default;
    TMouseTrackingTimerList(const TMouseTrackingTimerList&) = delete;
    TMouseTrackingTimerList& operator=(const TMouseTrackingTimerList&) = delete;
    ~TMouseTrackingTimerList();

    // `bounds` are in the control's client coordinates and are converted to screen coordinates
    // at once. Nothing happens while the caller is already tracked.
    void Start(TWinControl& control, const TRect& bounds, IcxMouseTrackingCaller& caller);
    // Removes the caller's tracker; nothing when there is none. A tracker stopped from within
    // its own tick is freed once the tick has finished.
    void Stop(IcxMouseTrackingCaller& caller);
    bool IsTracking(const IcxMouseTrackingCaller& caller) const;
    size_t Count() const { return trackers_.size(); }

    // One tick of the tracker with the given timer, as the timer would run it.
    void Tick(UINT_PTR timer);

  private:
    struct Tracker;
    std::vector<std::unique_ptr<Tracker>> trackers_;
    Tracker* ticking_ = nullptr;
    std::unique_ptr<Tracker> retired_; // stopped from within its own tick
};

TMouseTrackingTimerList& MouseTrackingTimerList();

void StartMouseLeaveTracking(TWinControl& control, const TRect& bounds, IcxMouseTrackingCaller& caller);
void StopMouseLeaveTracking(IcxMouseTrackingCaller& caller);

// The hot look of a control that shows the pointer over it: entering starts the mouse-leave
// tracking with the control as its caller, leaving stops it, and the control's end leaves no
// tracker behind. The tracker's notification reaches the control as HotLeft.
class THotTracking : public IcxMouseTrackingCaller {
  public:
    bool Hot() const { return hot_; }

  protected:
    explicit THotTracking(TWinControl& control) : control_(control) {}
    ~THotTracking();
    THotTracking(const THotTracking&) = delete;
    THotTracking& operator=(const THotTracking&) = delete;

    // Makes the control hot and tracks the pointer; false when it already was hot.
    bool EnterHot();
    // Ends the hot look and its tracking; false when the control was not hot.
    bool LeaveHot();
    // Sets the hot look as found by the control; a hot control is tracked from here on.
    void ResetHot(bool hot);

  private:
    void NotifyMouseLeft() override { HotLeft(); }
    virtual void HotLeft() = 0;

    TWinControl& control_;
    bool hot_ = false;
};
