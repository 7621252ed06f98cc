#include "picture/transparent_draw.h"

#include <algorithm>

void DrawOnSurface(const TDecodedImage& image, TTransparencyMode mode, const TRect& dest,
                   TBgrxSurface& surface) {
    if (dest.IsEmpty())
        return;
    const int left = std::max(dest.left, 0);
    const int right = std::min(dest.right, surface.width);
    const int top = std::max(dest.top, 0);
    const int bottom = std::min(dest.bottom, surface.height);
    const int64_t w = dest.Width();
    const int64_t h = dest.Height();
    for (int y = top; y < bottom; ++y) {
        const uint32_t sy = uint32_t((y - dest.top) * int64_t(image.Height()) / h);
        uint8_t* d = surface.bits + size_t(y) * surface.stride + size_t(left) * 4;
        for (int x = left; x < right; ++x, d += 4) {
            const uint32_t sx = uint32_t((x - dest.left) * int64_t(image.Width()) / w);
            const TRGBQuad c = image.Pixel(sx, sy);
            const uint8_t a = image.Alpha(sx, sy);
            if (mode == TTransparencyMode::PerPixel) {
                d[0] = BlendChannel(c.rgbBlue, d[0], a);
                d[1] = BlendChannel(c.rgbGreen, d[1], a);
                d[2] = BlendChannel(c.rgbRed, d[2], a);
            } else if (mode == TTransparencyMode::None || a != 0) {
                d[0] = c.rgbBlue;
                d[1] = c.rgbGreen;
                d[2] = c.rgbRed;
            }
        }
    }
}
