#pragma once
// Where a graphic draws itself. A kind hands its pixels over in the display's layout and says how
// they draw; the surface (a device context on Windows, picture/win/dc_canvas.h) does the rest, so
// nothing that draws a graphic needs to know its kind.

#include <cstddef>
#include <cstdint>

#include "base/geometry.h"
#include "picture/decoded_image.h"

class TGraphicCanvas {
  public:
    virtual ~TGraphicCanvas() = default;
    // The image stretched into rect: copied, masked or blended as mode says.
    virtual void DrawImage(const TDecodedImage& image, TTransparencyMode mode, const TRect& rect) = 0;
    // One image of an .ico file (icon_format.h: already checked), its size as read, stretched
    // into rect through its mask.
    virtual void DrawIconImage(const uint8_t* bytes, size_t size, int width, int height,
                               const TRect& rect) = 0;

  protected:
    TGraphicCanvas() = default;
    TGraphicCanvas(const TGraphicCanvas&) = default;
    TGraphicCanvas& operator=(const TGraphicCanvas&) = default;
};
