#pragma once
// Double buffering: a drawing is composed in a memory device context on a bitmap compatible
// with the target, then copied to the target in one step, so the screen never shows it half
// drawn. The bitmap is selected back out before the context and the bitmap are freed.

#include <windows.h>

#include "base/geometry.h"
#include "base/win/gdi.h"

// A bitmap kept between paints, remade only when its size changes.
class OffscreenBitmap {
  public:
    using CreateFunction = HBITMAP(WINAPI*)(HDC target, int width, int height);
    // `create` makes the bitmap; tests pass one that fails, as when graphics resources run out.
    explicit OffscreenBitmap(CreateFunction create = ::CreateCompatibleBitmap) : create_(create) {}

    // The bitmap, remade compatible with `target` when it has another size; null when it cannot
    // be made.
    HBITMAP Sized(HDC target, int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    CreateFunction create_;
    BitmapHandle bitmap_;
    int width_ = 0;
    int height_ = 0;
};

// The part of `rect` (logical coordinates) inside the clip box of `dc`: what a paint into it
// can show.
TRect VisiblePart(HDC dc, const TRect& rect);

class Offscreen {
  public:
    // Composes on a bitmap of its own, freed afterwards.
    Offscreen(HDC target, int width, int height);
    // Composes `area` of the target on a bitmap of its own, drawn in the target's logical
    // coordinates; CopyBack puts it in its place.
    Offscreen(HDC target, const TRect& area);
    // Composes on a kept bitmap.
    Offscreen(HDC target, OffscreenBitmap& kept, int width, int height);
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;

    HDC DC() const { return memory_.Get(); }
    // Whether the context and the bitmap could be made; drawing into a failed one does nothing.
    bool Valid() const { return memory_ && select_.Selected(); }
    // Copies the composed bitmap to the target, its top-left corner at (x, y).
    void CopyTo(HDC target, int x, int y) const;
    // Copies the composed area back to where it lies on the target.
    void CopyBack(HDC target) const { CopyTo(target, origin_.x, origin_.y); }

  private:
    int width_;
    int height_;
    TPoint origin_;
    MemoryDC memory_;
    BitmapHandle own_;
    SelectGuard select_;
};
