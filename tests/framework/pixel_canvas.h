#pragma once
// A 32-bit top-down bitmap in a memory device context, and counts over its pixels for comparing paints.

#include <windows.h>

#include <cstdint>
#include <memory>
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

// The control's client area as it paints it into a bitmap of its size.
template <typename Control>
std::unique_ptr<PixelCanvas> PrintClient(Control& control) {
    auto canvas = std::make_unique<PixelCanvas>(control.Width(), control.Height());
    control.Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas->DC()), PRF_CLIENT);
    return canvas;
}

// Pixels of `area` in the colour.
inline int CountColour(const PixelCanvas& c, const RECT& area, COLORREF colour) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += c.At(x, y) == colour;
    return n;
}

// Pixels of `area` that differ between two canvases.
inline int Differing(const PixelCanvas& a, const PixelCanvas& b, const RECT& area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += a.At(x, y) != b.At(x, y);
    return n;
}

inline int Differing(const PixelCanvas& a, const PixelCanvas& b) {
    return Differing(a, b, {0, 0, a.Width(), a.Height()});
}
