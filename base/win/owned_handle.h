#pragma once
// A handle and the function that releases it, in one owner: released when the owner ends or is
// given another handle, handed on by move, never copied.

#include <utility>

template <typename H, void (*Free)(H)>
class OwnedHandle {
  public:
    OwnedHandle() = default;
    explicit OwnedHandle(H h) : h_(h) {}
    OwnedHandle(OwnedHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& o) noexcept {
        if (this != &o)
            Reset(std::exchange(o.h_, nullptr));
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { Reset(); }

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    // Takes `h`, then releases the previous handle: releasing may send messages that read it.
    void Reset(H h = nullptr) {
        if (const H old = std::exchange(h_, h))
            Free(old);
    }
    H Release() { return std::exchange(h_, nullptr); }

  private:
    H h_ = nullptr;
};
