#pragma once
// GoogleTest's Notification for the compiler's Windows thread model, which has no std::mutex to
// build GoogleTest's own on. Only GoogleTest's threads wait on it, and none of the project's
// tests starts one, so a plain flag polled by the waiter is enough.

#include <atomic>

namespace testing::internal {

class Notification {
  public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { notified_ = true; }
    void WaitForNotification() {
        while (!notified_)
            ;
    }

  private:
    std::atomic<bool> notified_{false};
};

} // namespace testing::internal

#define GTEST_HAS_NOTIFICATION_ 1
