#pragma once
// Copying a graphic to the clipboard, as the picture box's Copy does: a device bitmap (CF_BITMAP)
// and, for a graphic with a palette, the palette (CF_PALETTE).

#include <windows.h>

#include "picture/graphic.h"

// The graphic is rendered first (render_bitmap.h); only then is the clipboard opened, emptied and
// filled, and it is always closed again. A graphic that cannot be rendered raises its error and
// leaves the clipboard as it was; a clipboard that another program holds raises Exception.
void CopyGraphicToClipboard(HWND owner, const TGraphic& graphic);
