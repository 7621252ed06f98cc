#include "picture/win/render_bitmap.h"

#include <cstddef>
#include <vector>

#include "picture/png_errors.h"
#include "picture/win/dc_canvas.h"

namespace {

GdiObject<HPALETTE> CreatePaletteOf(const std::vector<TRGBQuad>& colors) {
    std::vector<uint8_t> storage(offsetof(LOGPALETTE, palPalEntry) + colors.size() * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = WORD(colors.size());
    for (size_t i = 0; i < colors.size(); ++i)
        palette->palPalEntry[i] = {colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0};
    GdiObject<HPALETTE> result(CreatePalette(palette));
    if (!result)
        throw EPNGOutMemory();
    return result;
}

} // namespace

TRenderedBitmap RenderToBitmap(const TGraphic& graphic) {
    if (graphic.Empty())
        throw EPNGHeaderNotPresent();
    const int width = graphic.Width();
    const int height = graphic.Height();
    WindowDC screen(nullptr);
    TRenderedBitmap result;
    result.bitmap = GdiObject<HBITMAP>(CreateCompatibleBitmap(screen.Get(), width, height));
    MemoryDC memory(screen.Get());
    if (!result.bitmap || !memory)
        throw EPNGOutMemory();
    {
        SelectGuard select(memory.Get(), result.bitmap.Get());
        if (!select.Selected())
            throw EPNGOutMemory();
        PatBlt(memory.Get(), 0, 0, width, height, WHITENESS);
        TDCCanvas canvas(memory.Get());
        graphic.Draw(canvas, {0, 0, width, height});
    }
    const std::vector<TRGBQuad> colors = graphic.Palette();
    if (!colors.empty())
        result.palette = CreatePaletteOf(colors);
    return result;
}
