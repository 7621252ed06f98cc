#pragma once
// Owning guards of the GDI objects and device contexts the picture drawing creates, and a guard
// that selects an object into a device context and selects the previous one back. Declare the
// selection guard after the object it selects, so it is undone before the object is deleted.

#include <windows.h>

#include <utility>

// An owned GDI object (bitmap, palette, ...), deleted with DeleteObject.
template <class Handle>
class TGdiObject {
  public:
    TGdiObject() = default;
    explicit TGdiObject(Handle handle) : handle_(handle) {}
    ~TGdiObject() { Reset(); }
    TGdiObject(TGdiObject&& other) noexcept : handle_(other.Release()) {}
    TGdiObject& operator=(TGdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = other.Release();
        }
        return *this;
    }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Hands the object on (to the clipboard, say); the guard no longer deletes it.
    Handle Release() { return std::exchange(handle_, nullptr); }

  private:
    void Reset() {
        if (handle_)
            DeleteObject(handle_);
        handle_ = nullptr;
    }

    Handle handle_ = nullptr;
};

// A memory device context compatible with another (or with the screen for nullptr).
class TMemoryDC {
  public:
    explicit TMemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~TMemoryDC() {
        if (dc_)
            DeleteDC(dc_);
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HDC dc_;
};

// The screen's device context, released on destruction.
class TScreenDC {
  public:
    TScreenDC() : dc_(GetDC(nullptr)) {}
    ~TScreenDC() {
        if (dc_)
            ReleaseDC(nullptr, dc_);
    }
    TScreenDC(const TScreenDC&) = delete;
    TScreenDC& operator=(const TScreenDC&) = delete;

    HDC Get() const { return dc_; }

  private:
    HDC dc_;
};

class TSelectObject {
  public:
    TSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~TSelectObject() {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

    bool Selected() const { return previous_ && previous_ != HGDI_ERROR; }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};
