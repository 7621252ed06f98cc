#include "picture/win/clipboard_copy.h"

#include "base/win/clipboard.h"
#include "picture/win/render_bitmap.h"

void CopyGraphicToClipboard(HWND owner, const TGraphic& graphic) {
    TRenderedBitmap rendered = RenderToBitmap(graphic);
    ClipboardReplacement clipboard(owner, "l'image n'a pas été copiée");
    clipboard.Put(CF_BITMAP, rendered.bitmap.Get());
    rendered.bitmap.Release();
    if (rendered.palette) {
        clipboard.Put(CF_PALETTE, rendered.palette.Get());
        rendered.palette.Release();
    }
}
