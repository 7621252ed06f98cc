#pragma once
// A device context as the surface a graphic draws on (logical coordinates, MM_TEXT).
//
// An image without transparency goes to StretchDIBits as it is, with SRCCOPY, or, drawn at its
// own size with a TScreenImageCopy at hand, is copied from that. Otherwise the
// visible part of the rectangle is read into a 32-bit bitmap, masked or blended there
// (transparent_draw.h) and copied back; EPNGOutMemory when that bitmap cannot be created.
// An icon image is made into a platform icon for the one draw and drawn through its mask;
// EIconError when the platform refuses the image.

#include <windows.h>

#include "base/win/gdi.h"
#include "picture/graphic_canvas.h"

// An image without transparency converted once into a bitmap of the target's pixel format, so
// that every later paint at the image's own size is a plain copy rather than a conversion of
// every pixel. Its owner calls Reset whenever the image changes.
class TScreenImageCopy {
  public:
    // Copies the image to rect's top-left corner; false, drawing nothing, when rect is not the
    // image's size, when the target has fewer than 24 bits per pixel (converting there may
    // dither differently from a direct draw), or when the bitmap cannot be made.
    bool Draw(HDC dc, const TDecodedImage& image, const TRect& rect);
    void Reset();

  private:
    const TDecodedImage* source_ = nullptr;
    int depth_ = 0;
    BitmapHandle bitmap_;
};

class TDCCanvas : public TGraphicCanvas {
  public:
    // With `copy`, opaque images drawn at their own size come from it.
    explicit TDCCanvas(HDC dc, TScreenImageCopy* copy = nullptr) : dc_(dc), copy_(copy) {}
    void DrawImage(const TDecodedImage& image, TTransparencyMode mode, const TRect& rect) override;
    void DrawIconImage(const uint8_t* bytes, size_t size, int width, int height, const TRect& rect) override;

  private:
    HDC dc_;
    TScreenImageCopy* copy_;
};
