#include "controls/menu_glyphs.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <vector>

#include "base/win/gdi.h"

namespace {

constexpr int kSize = kMenuGlyphSize;

// A disabled line's glyph: each opaque pixel's luminance, lightened towards the menu's grey as
// the platform greys disabled symbols, so that no colour is left.
uint32_t Greyed(uint32_t p) {
    if (p == 0)
        return 0;
    const unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    const unsigned luminance = (r * 299 + g * 587 + b * 114) / 1000;
    const unsigned grey = 96 + luminance * 96 / 255;
    return 0xFF000000u | grey << 16 | grey << 8 | grey;
}

// The resource as a 32-bit bitmap with alpha (premultiplied, as the platform wants it: a
// transparent pixel is all zero), greyed or not.
BitmapHandle LoadGlyph(const char* name, bool greyed) {
    const BitmapHandle source(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!source)
        return BitmapHandle();
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(kSize * kSize);
    WindowDC screen(nullptr);
    if (GetDIBits(screen.Get(), source.Get(), 0, kSize, pixels.data(), &info, DIB_RGB_COLORS) != kSize)
        return BitmapHandle();
    const uint32_t transparent = pixels[(kSize - 1) * kSize] & 0xFFFFFF;
    for (uint32_t& p : pixels) {
        p = (p & 0xFFFFFF) == transparent ? 0 : (p | 0xFF000000u);
        if (greyed)
            p = Greyed(p);
    }
    void* bits = nullptr;
    BitmapHandle glyph(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (glyph && bits)
        std::memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
    return glyph;
}

} // namespace

HBITMAP PictureMenuGlyph(TPictureMenuItem item, bool greyed) {
    static const char* const names[] = {"CXMENUIMAGE_CUT",    "CXMENUIMAGE_COPY", "CXMENUIMAGE_PASTE",
                                        "CXMENUIMAGE_DELETE", "CXMENUIMAGE_LOAD", "CXMENUIMAGE_SAVE"};
    static const auto glyphs = [] {
        std::array<std::array<BitmapHandle, 2>, std::size(names)> loaded;
        for (size_t i = 0; i < loaded.size(); ++i)
            loaded[i] = {LoadGlyph(names[i], false), LoadGlyph(names[i], true)};
        return loaded;
    }();
    const size_t index = size_t(item);
    return index < glyphs.size() ? glyphs[index][greyed ? 1 : 0].Get() : nullptr;
}

void DrawMenuGlyph(HDC dc, int x, int y, HBITMAP glyph) {
    MemoryDC source(dc);
    if (!glyph || !source)
        return;
    SelectGuard selected(source.Get(), glyph);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, x, y, kSize, kSize, source.Get(), 0, 0, kSize, kSize, blend);
}
