#include "controls/menu_glyphs.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/win/gdi.h"

namespace {

constexpr int kSize = 16;

// The resource as a 32-bit bitmap with straight alpha (premultiplied, as the platform wants it:
// a transparent pixel is all zero).
BitmapHandle LoadGlyph(const char* name) {
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
    for (uint32_t& p : pixels)
        p = (p & 0xFFFFFF) == transparent ? 0 : (p | 0xFF000000u);
    void* bits = nullptr;
    BitmapHandle glyph(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (glyph && bits)
        std::memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
    return glyph;
}

} // namespace

HBITMAP PictureMenuGlyph(TPictureMenuItem item) {
    static const std::array<BitmapHandle, 6> glyphs = {
        LoadGlyph("CXMENUIMAGE_CUT"),    LoadGlyph("CXMENUIMAGE_COPY"), LoadGlyph("CXMENUIMAGE_PASTE"),
        LoadGlyph("CXMENUIMAGE_DELETE"), LoadGlyph("CXMENUIMAGE_LOAD"), LoadGlyph("CXMENUIMAGE_SAVE"),
    };
    const size_t index = size_t(item);
    return index < glyphs.size() ? glyphs[index].Get() : nullptr;
}
