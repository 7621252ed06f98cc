#pragma once
// The bitmap picture kind ("TBitmap"): a device-independent bitmap, drawn by the platform as it
// is (one stretch-copy) or, when transparent, without the pixels of its bottom-left colour; read
// from and written as a .bmp stream (bmp_format.h). It is what a box loads .bmp files as and
// pastes device bitmaps (CF_BITMAP) as.

#include <memory>
#include <optional>
#include <vector>

#include "picture/decoded_image.h"
#include "picture/graphic.h"

class TBitmapGraphic : public TGraphic {
  public:
    static const TGraphicClass& StaticClass();

    TBitmapGraphic() = default;
    const TGraphicClass& Class() const override { return StaticClass(); }

    bool Empty() const override { return !image_; }
    int Width() const override { return image_ ? int(image_->Width()) : 0; }
    int Height() const override { return image_ ? int(image_->Height()) : 0; }
    // A bitmap keeps its pixels: both throw EBitmapError.
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    // The flag the holder's owner sets. While it is on, the pixels of the bottom-left pixel's
    // colour are not drawn.
    bool Transparent() const override { return TransparentFlag(); }
    void Draw(TGraphicCanvas& canvas, const TRect& rect) const override;
    std::vector<TRGBQuad> Palette() const override;

    // Replaces the content only when the whole stream is a valid .bmp; EBitmapError otherwise.
    void LoadFromStream(TByteReader& stream) override;
    // EBitmapError for an empty bitmap.
    void SaveToStream(std::vector<uint8_t>& out) const override;
    std::unique_ptr<TGraphic> Clone() const override;

    // EBitmapError for an empty bitmap.
    const TDecodedImage& Image() const;

  private:
    std::optional<TDecodedImage> image_;
    // The image with the pixels of its bottom-left colour made transparent: made at the first
    // transparent draw and kept until the image changes, so that paints do not make it again.
    mutable std::optional<TDecodedImage> masked_;
};
