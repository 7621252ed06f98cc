#pragma once
// The process-wide list of the picture menu's six 16 x 16 glyphs, from the bitmap resources
// "CXMENUIMAGE_CUT", "_COPY", "_PASTE", "_DELETE", "_LOAD" and "_SAVE" of the program, in that
// order. Each is made a 32-bit bitmap with premultiplied alpha, its bottom-left pixel's colour
// transparent, and a greyed copy for disabled lines. Loaded on first use, released at exit; a
// glyph whose resource is missing is a null handle, and its item shows without one.
//
// The menu draws them itself (DrawMenuGlyph), blended over whatever background the line has:
// not every platform blends a menu's 32-bit bitmaps with their alpha.

#include <windows.h>

#include "base/picture_menu.h"

constexpr int kMenuGlyphSize = 16;

HBITMAP PictureMenuGlyph(TPictureMenuItem item, bool greyed = false);

// Blends a glyph of the list over the DC at (x, y).
void DrawMenuGlyph(HDC dc, int x, int y, HBITMAP glyph);
