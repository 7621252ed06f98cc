#include "base/win/offscreen.h"

HBITMAP OffscreenBitmap::Sized(HDC target, int width, int height) {
    if (!bitmap_ || width != width_ || height != height_) {
        bitmap_.Reset(CreateCompatibleBitmap(target, width, height));
        width_ = bitmap_ ? width : 0;
        height_ = bitmap_ ? height : 0;
    }
    return bitmap_.Get();
}

Offscreen::Offscreen(HDC target, int width, int height)
    : width_(width), height_(height), memory_(target), own_(CreateCompatibleBitmap(target, width, height)),
      select_(memory_.Get(), own_.Get()) {}

Offscreen::Offscreen(HDC target, OffscreenBitmap& kept, int width, int height)
    : width_(width), height_(height), memory_(target),
      select_(memory_.Get(), kept.Sized(target, width, height)) {}

void Offscreen::CopyTo(HDC target, int x, int y) const {
    if (Valid())
        BitBlt(target, x, y, width_, height_, memory_.Get(), 0, 0, SRCCOPY);
}
