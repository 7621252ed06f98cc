#pragma once
// A device context as the surface a graphic draws on (logical coordinates, MM_TEXT).
//
// An image without transparency goes to StretchDIBits as it is, with SRCCOPY. Otherwise the
// visible part of the rectangle is read into a 32-bit bitmap, masked or blended there
// (transparent_draw.h) and copied back; EPNGOutMemory when that bitmap cannot be created.

#include <windows.h>

#include "picture/graphic_canvas.h"

class TDCCanvas : public TGraphicCanvas {
  public:
    explicit TDCCanvas(HDC dc) : dc_(dc) {}
    void DrawImage(const TDecodedImage& image, TTransparencyMode mode, const TRect& rect) override;

  private:
    HDC dc_;
};
