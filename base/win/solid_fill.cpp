#include "base/win/solid_fill.h"

#include "base/win/rect.h"

void FillSolid(HDC dc, const TRect& r, COLORREF color) {
    if (r.IsEmpty())
        return;
    const COLORREF previous = SetDCBrushColor(dc, color);
    const RECT rect = ToRECT(r);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(dc, previous);
}

void FrameSolid(HDC dc, const TRect& r, COLORREF color) {
    if (r.IsEmpty())
        return;
    FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom}, color);
    FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, color);
    FillSolid(dc, {r.left, r.top, r.right, r.top + 1}, color);
    FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, color);
}

void DrawFocusFrame(HDC dc, const TRect& r) {
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    const RECT focus = ToRECT(r);
    DrawFocusRect(dc, &focus);
}
