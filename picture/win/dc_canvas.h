#pragma once
// A device context as the surface a graphic draws on (logical coordinates, MM_TEXT).
//
// An image without transparency goes to StretchDIBits as it is, with SRCCOPY. Otherwise the
// visible part of the rectangle is read into a 32-bit bitmap, masked or blended there
// (transparent_draw.h) and copied back; EPNGOutMemory when that bitmap cannot be created.
// An icon image is made into a platform icon for the one draw and drawn through its mask;
// EIconError when the platform refuses the image.

#include <windows.h>

#include "picture/graphic_canvas.h"

class TDCCanvas : public TGraphicCanvas {
  public:
    explicit TDCCanvas(HDC dc) : dc_(dc) {}
    void DrawImage(const TDecodedImage& image, TTransparencyMode mode, const TRect& rect) override;
    void DrawIconImage(const uint8_t* bytes, size_t size, int width, int height, const TRect& rect) override;

  private:
    HDC dc_;
};
