#pragma once
// The process-wide list of the picture menu's six 16 x 16 glyphs, from the bitmap resources
// "CXMENUIMAGE_CUT", "_COPY", "_PASTE", "_DELETE", "_LOAD" and "_SAVE" of the program, in that
// order. Each is made a 32-bit bitmap with alpha, its bottom-left pixel's colour transparent, as
// menus draw such bitmaps over their own background. Loaded on first use, released at exit; a
// glyph whose resource is missing is a null handle, and its item shows without one.

#include <windows.h>

#include "base/picture_menu.h"

HBITMAP PictureMenuGlyph(TPictureMenuItem item);
