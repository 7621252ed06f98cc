#pragma once
// A 32-bit top-down bitmap in a memory device context, for comparing painted pixels.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "base/win/gdi.h"

class PixelCanvas {
  public:
    PixelCanvas(int width, int height) : width_(width), height_(height), dc_(nullptr) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const uint32_t*>(bits);
        select_.emplace(dc_.Get(), bitmap_.Get());
    }
    HDC DC() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixel as a COLORREF (0x00BBGGRR).
    COLORREF At(int x, int y) const {
        GdiFlush();
        const uint32_t bgra = bits_[y * width_ + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }

  private:
    int width_;
    int height_;
    MemoryDC dc_;
    BitmapHandle bitmap_;
    const uint32_t* bits_ = nullptr;
    std::optional<SelectGuard> select_;
};
