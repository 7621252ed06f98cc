#pragma once
// A thread for tests that act as another program would (a second reader, a clipboard holder).
// The shipped i686 build uses the compiler's Windows thread model, which has no std::thread, and
// the tests run on that build too, so they start their threads here.

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <utility>

class TestThread {
  public:
    explicit TestThread(std::function<void()> work) : work_(std::move(work)) {
        handle_ = CreateThread(nullptr, 0, &TestThread::Run, this, 0, nullptr);
        if (!handle_)
            throw std::runtime_error("CreateThread failed");
    }
    TestThread(const TestThread&) = delete;
    TestThread& operator=(const TestThread&) = delete;
    ~TestThread() { join(); }

    void join() {
        if (!handle_)
            return;
        WaitForSingleObject(handle_, INFINITE);
        CloseHandle(handle_);
        handle_ = nullptr;
    }

  private:
    static DWORD WINAPI Run(void* self) {
        static_cast<TestThread*>(self)->work_();
        return 0;
    }

    std::function<void()> work_;
    HANDLE handle_ = nullptr;
};
