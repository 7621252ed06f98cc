#include "picture/win/dc_canvas.h"

#include <cstddef>

#include "base/win/gdi.h"
#include "base/win/offscreen.h"
#include "picture/icon_format.h"
#include "picture/png_errors.h"
#include "picture/transparent_draw.h"

static_assert(sizeof(TBitmapInfoHeader) == sizeof(BITMAPINFOHEADER), "bitmap header layout");
static_assert(offsetof(TBitmapInfo, colors) == offsetof(BITMAPINFO, bmiColors), "colour table offset");
static_assert(offsetof(TBitmapInfoHeader, biClrUsed) == offsetof(BITMAPINFOHEADER, biClrUsed),
              "header fields");

namespace {

// Mask or blend the visible part of rect through a 32-bit copy of the destination.
void DrawTransparent(HDC dc, const TRect& rect, const TDecodedImage& image, TTransparencyMode mode) {
    const TRect visible = VisiblePart(dc, rect);
    if (visible.IsEmpty())
        return;
    const int width = visible.Width();
    const int height = visible.Height();

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    MemoryDC memory(dc);
    GdiObject<HBITMAP> surfaceBitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !surfaceBitmap || !bits)
        throw EPNGOutMemory();
    SelectGuard select(memory.Get(), surfaceBitmap.Get());
    if (!select.Selected())
        throw EPNGOutMemory();

    BitBlt(memory.Get(), 0, 0, width, height, dc, visible.left, visible.top, SRCCOPY);
    GdiFlush(); // the DIB's bits are read directly next
    TBgrxSurface surface = {static_cast<uint8_t*>(bits), width, height, size_t(width) * 4};
    DrawOnSurface(image, mode, rect.Offset(-visible.left, -visible.top), surface);
    BitBlt(dc, visible.left, visible.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

// Bits per pixel of what a paint into the context lands on: the selected bitmap of a memory
// context, the device's otherwise.
int TargetDepth(HDC dc) {
    if (GetObjectType(dc) == OBJ_MEMDC) {
        BITMAP selected{};
        if (!GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof selected, &selected))
            return 0;
        return selected.bmBitsPixel * selected.bmPlanes;
    }
    return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
}

} // namespace

bool TScreenImageCopy::Draw(HDC dc, const TDecodedImage& image, const TRect& rect) {
    const int width = int(image.Width());
    const int height = int(image.Height());
    const int depth = TargetDepth(dc);
    if (rect.Width() != width || rect.Height() != height || depth < 24)
        return false;
    if (!bitmap_ || source_ != &image || depth_ != depth) {
        Reset();
        BitmapHandle made(CreateCompatibleBitmap(dc, width, height));
        if (!made || SetDIBits(dc, made.Get(), 0, UINT(height), image.Bits(),
                               reinterpret_cast<const BITMAPINFO*>(&image.Info()), DIB_RGB_COLORS) != height)
            return false;
        bitmap_ = std::move(made);
        source_ = &image;
        depth_ = depth;
    }
    MemoryDC memory(dc);
    if (!memory)
        return false;
    SelectGuard select(memory.Get(), bitmap_.Get());
    return select.Selected() && BitBlt(dc, rect.left, rect.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

void TScreenImageCopy::Reset() {
    bitmap_.Reset();
    source_ = nullptr;
    depth_ = 0;
}

void TDCCanvas::DrawImage(const TDecodedImage& image, TTransparencyMode mode, const TRect& rect) {
    if (rect.IsEmpty())
        return;
    if (mode != TTransparencyMode::None) {
        DrawTransparent(dc_, rect, image, mode);
        return;
    }
    if (copy_ && copy_->Draw(dc_, image, rect))
        return;
    // Shrinking with the default BLACKONWHITE mode would AND colour rows together.
    const int previousMode = SetStretchBltMode(dc_, COLORONCOLOR);
    StretchDIBits(dc_, rect.left, rect.top, rect.Width(), rect.Height(), 0, 0, int(image.Width()),
                  int(image.Height()), image.Bits(), reinterpret_cast<const BITMAPINFO*>(&image.Info()),
                  DIB_RGB_COLORS, SRCCOPY);
    if (previousMode)
        SetStretchBltMode(dc_, previousMode);
}

void TDCCanvas::DrawIconImage(const uint8_t* bytes, size_t size, int width, int height, const TRect& rect) {
    if (rect.IsEmpty())
        return;
    // 0x00030000: the icon format of Windows 3.x and later, which .ico images are.
    const IconHandle icon(CreateIconFromResourceEx(const_cast<BYTE*>(bytes), DWORD(size), TRUE, 0x00030000,
                                                   width, height, LR_DEFAULTCOLOR));
    if (!icon)
        throw EIconError("The icon could not be drawn");
    DrawIconEx(dc_, rect.left, rect.top, icon.Get(), rect.Width(), rect.Height(), 0, nullptr, DI_NORMAL);
}
