#pragma once
// Owners of GDI objects and device contexts. Owning and borrowed handles are different types:
// these classes release what they hold, plain handles are borrowed.

#include <windows.h>

#include <utility>

#include "base/win/owned_handle.h"

// The release functions of the owners below.
template <typename H>
void DeleteGdiObject(H h) {
    DeleteObject(h);
}
inline void DestroyIconHandle(HICON h) {
    DestroyIcon(h);
}

// A GDI object (font, brush, pen, bitmap, region, palette) deleted with DeleteObject.
template <typename H>
using GdiObject = OwnedHandle<H, DeleteGdiObject<H>>;

using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using BitmapHandle = GdiObject<HBITMAP>;
using RegionHandle = GdiObject<HRGN>;
using PaletteHandle = GdiObject<HPALETTE>;

// A window's (or the screen's) device context from GetDC, given back with ReleaseDC.
class WindowDC {
  public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// A memory device context from CreateCompatibleDC, deleted with DeleteDC.
class MemoryDC {
  public:
    explicit MemoryDC(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() {
        if (dc_)
            DeleteDC(dc_);
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDC {
  public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(hwnd_, &ps_); }
    HDC Get() const { return dc_; }

  private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Selects an object into a DC and selects the previous one back on destruction, before the
// owner of the object can delete it (a bitmap still selected into a DC cannot be deleted).
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), previous_(obj ? SelectObject(dc, obj) : nullptr) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (Selected())
            SelectObject(dc_, previous_);
    }
    // Whether the object went into the DC (a bitmap of another format, for one, does not).
    bool Selected() const { return previous_ && previous_ != HGDI_ERROR; }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SaveDC / RestoreDC around a change of clipping, origin or other state.
class SavedDCState {
  public:
    explicit SavedDCState(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    SavedDCState(const SavedDCState&) = delete;
    SavedDCState& operator=(const SavedDCState&) = delete;
    ~SavedDCState() {
        if (id_)
            RestoreDC(dc_, id_);
    }

  private:
    HDC dc_;
    int id_;
};

// An icon or cursor made by CreateIconFromResourceEx and the like, destroyed with DestroyIcon.
using IconHandle = OwnedHandle<HICON, DestroyIconHandle>;
