#pragma once
// An owned movable global memory block (GMEM_MOVEABLE), as streams on HGLOBAL and the clipboard
// take them. Not copyable; movable. Lock() gives a scoped pointer to the bytes.

#include <windows.h>

#include <cstddef>

class GlobalMemory {
  public:
    GlobalMemory() noexcept = default;
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    GlobalMemory(GlobalMemory&& other) noexcept : h_(other.Detach()) {}
    GlobalMemory& operator=(GlobalMemory&& other) noexcept;
    ~GlobalMemory() { Reset(); }

    // A new block of `size` bytes; empty when the allocation fails.
    static GlobalMemory Allocate(size_t size) noexcept;
    // A new block holding a copy of the bytes; empty when the allocation or the lock fails.
    static GlobalMemory FromBytes(const void* data, size_t size) noexcept;
    static GlobalMemory Adopt(HGLOBAL h) noexcept;

    HGLOBAL Get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != nullptr; }
    size_t Size() const noexcept { return h_ ? GlobalSize(h_) : 0; }

    void Reset() noexcept;
    HGLOBAL Detach() noexcept;

    // Locks the block for as long as it lives.
    class Lock {
      public:
        explicit Lock(HGLOBAL h) noexcept : h_(h), p_(h ? GlobalLock(h) : nullptr) {}
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
        ~Lock() {
            if (p_)
                GlobalUnlock(h_);
        }
        void* Get() const noexcept { return p_; }
        explicit operator bool() const noexcept { return p_ != nullptr; }

      private:
        HGLOBAL h_;
        void* p_;
    };

  private:
    HGLOBAL h_ = nullptr;
};
