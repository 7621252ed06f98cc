#pragma once
// Solid fills without a brush of one's own: the DC's stock colour brush takes the colour; and
// the focus rectangle.

#include <windows.h>

#include "base/geometry.h"

// Fills the rectangle with the colour; nothing for an empty rectangle.
void FillSolid(HDC dc, const TRect& r, COLORREF color);
// A one-pixel line along the four edges inside the rectangle: left, right, top and bottom
// strips, each filled with the colour; nothing for an empty rectangle.
void FrameSolid(HDC dc, const TRect& r, COLORREF color);
// The platform's dotted focus rectangle along the rectangle's edges, black on white: it sets
// the DC's text and background colours to these and leaves them so.
void DrawFocusFrame(HDC dc, const TRect& r);
