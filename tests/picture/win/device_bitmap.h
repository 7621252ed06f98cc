#pragma once
// A device bitmap with known pixels, as another program puts one on the clipboard (CF_BITMAP),
// and the pixels of a picture to compare with.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/win/gdi.h"
#include "picture/decoded_image.h"

// A 24-bit bitmap whose every pixel has a colour of its own.
inline TDecodedImage ColourfulImage(uint32_t width, uint32_t height) {
    TDecodedImage image(width, height, 24);
    for (uint32_t y = 0; y < height; ++y)
        for (uint32_t x = 0; x < width; ++x) {
            uint8_t* p = image.Line(y) + size_t(x) * 3;
            p[0] = uint8_t(40 * x + 3);
            p[1] = uint8_t(70 * y + 11);
            p[2] = uint8_t(200 - 17 * x - 29 * y);
        }
    return image;
}

// Red, green, blue of every pixel, top row first.
inline std::vector<std::vector<int>> PixelsOf(const TDecodedImage& image) {
    std::vector<std::vector<int>> pixels;
    for (uint32_t y = 0; y < image.Height(); ++y)
        for (uint32_t x = 0; x < image.Width(); ++x) {
            const TRGBQuad c = image.Pixel(x, y);
            pixels.push_back({c.rgbRed, c.rgbGreen, c.rgbBlue});
        }
    return pixels;
}

// Empties the clipboard and puts a screen-compatible bitmap of the image on it; false when the
// bitmap or the clipboard is not to be had.
inline bool PutDeviceBitmapOnClipboard(const TDecodedImage& image) {
    WindowDC screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), int(image.Width()), int(image.Height())));
    if (!bitmap ||
        SetDIBits(screen.Get(), bitmap.Get(), 0, image.Height(), image.Bits(),
                  reinterpret_cast<const BITMAPINFO*>(&image.Info()), DIB_RGB_COLORS) != int(image.Height()))
        return false;
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    const bool put = SetClipboardData(CF_BITMAP, bitmap.Get()) != nullptr;
    if (put)
        bitmap.Release();
    CloseClipboard();
    return put;
}
