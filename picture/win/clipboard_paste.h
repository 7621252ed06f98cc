#pragma once
// Pasting a picture from the clipboard, as an editable picture box does: the clipboard format
// registered for the kind (TGraphicClass::clipboardFormat) carries the kind's own stream; a kind
// that pastes device bitmaps (the bitmap kind) gets the clipboard's CF_BITMAP as a .bmp stream.

#include <windows.h>

#include <memory>

#include "picture/graphic.h"

// Whether the clipboard holds the kind's format; false for a kind that cannot be pasted.
bool CanPasteGraphic(const TGraphicClass& kind);

// A new graphic of the kind read from the clipboard; nullptr when the clipboard does not hold
// its format. The clipboard is always closed again. Exception when another program holds the
// clipboard; the kind's own error when the content cannot be read.
std::unique_ptr<TGraphic> PasteGraphic(HWND owner, const TGraphicClass& kind);
