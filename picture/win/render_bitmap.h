#pragma once
// Rendering a graphic for the clipboard: drawn over white into a device bitmap of its own size,
// compatible with the screen, with the graphic's palette when it has one (CF_BITMAP and
// CF_PALETTE).

#include "base/win/gdi.h"
#include "picture/graphic.h"

struct TRenderedBitmap {
    GdiObject<HBITMAP> bitmap;
    GdiObject<HPALETTE> palette; // none for a graphic without a palette
};

// EPNGHeaderNotPresent for an empty graphic, EPNGOutMemory when the bitmap or the palette cannot
// be created.
TRenderedBitmap RenderToBitmap(const TGraphic& graphic);
