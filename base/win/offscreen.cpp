#include "base/win/offscreen.h"

#include "base/win/rect.h"

HBITMAP OffscreenBitmap::Sized(HDC target, int width, int height) {
    if (!bitmap_ || width != width_ || height != height_) {
        bitmap_.Reset(create_(target, width, height));
        width_ = bitmap_ ? width : 0;
        height_ = bitmap_ ? height : 0;
    }
    return bitmap_.Get();
}

TRect VisiblePart(HDC dc, const TRect& rect) {
    RECT clip;
    if (GetClipBox(dc, &clip) == ERROR)
        return {};
    return rect.Intersected(ToTRect(clip));
}

Offscreen::Offscreen(HDC target, int width, int height)
    : width_(width), height_(height), memory_(target), own_(CreateCompatibleBitmap(target, width, height)),
      select_(memory_.Get(), own_.Get()) {}

Offscreen::Offscreen(HDC target, const TRect& area) : Offscreen(target, area.Width(), area.Height()) {
    origin_ = {area.left, area.top};
    SetViewportOrgEx(memory_.Get(), -area.left, -area.top, nullptr);
}

Offscreen::Offscreen(HDC target, OffscreenBitmap& kept, int width, int height)
    : width_(width), height_(height), memory_(target),
      select_(memory_.Get(), kept.Sized(target, width, height)) {}

void Offscreen::CopyTo(HDC target, int x, int y) const {
    if (Valid())
        BitBlt(target, x, y, width_, height_, memory_.Get(), origin_.x, origin_.y, SRCCOPY);
}
