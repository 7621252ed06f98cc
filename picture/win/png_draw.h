#pragma once
// Drawing a PNG picture on a device context, and rendering it into a bitmap of its own size.

#include <windows.h>

#include "base/geometry.h"
#include "picture/png_object.h"
#include "base/win/gdi.h"

// Draws the picture stretched to rect (logical coordinates, MM_TEXT). Nothing for a picture
// without a header. Without transparency the decoded bitmap goes to StretchDIBits as it is, with
// SRCCOPY. Otherwise the visible part of rect is read into a 32-bit bitmap, masked or blended
// there (transparent_draw.h) and copied back; EPNGOutMemory when that bitmap cannot be created.
void DrawPNG(HDC dc, const TRect& rect, const TPNGObject& png);

// The picture drawn over white into a device bitmap of its own size, compatible with the screen,
// with the palette of a palette bitmap (colour types 0, 3 and 4) or none: what goes to the
// clipboard as CF_BITMAP and CF_PALETTE. EPNGHeaderNotPresent for a picture without a header,
// EPNGOutMemory when the bitmap or the palette cannot be created.
struct TPNGBitmap {
    GdiObject<HBITMAP> bitmap;
    GdiObject<HPALETTE> palette;
};
TPNGBitmap RenderPNGToBitmap(const TPNGObject& png);
