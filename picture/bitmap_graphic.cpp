#include "picture/bitmap_graphic.h"

#include "picture/bmp_format.h"
#include "picture/graphic_canvas.h"

namespace {

std::unique_ptr<TGraphic> CreateBitmapGraphic() {
    return std::make_unique<TBitmapGraphic>();
}

} // namespace

const TGraphicClass& TBitmapGraphic::StaticClass() {
    static const TGraphicClass bitmapClass = {"TBitmap", &TGraphic::StaticClass(), CreateBitmapGraphic,
                                              nullptr, true};
    return bitmapClass;
}

void TBitmapGraphic::SetWidth(int) {
    throw EBitmapError("The bitmap can not be resized");
}

void TBitmapGraphic::SetHeight(int) {
    throw EBitmapError("The bitmap can not be resized");
}

void TBitmapGraphic::Draw(TGraphicCanvas& canvas, const TRect& rect) const {
    if (!image_ || rect.IsEmpty())
        return;
    if (!TransparentFlag())
        return canvas.DrawImage(*image_, TTransparencyMode::None, rect);
    // A transparent bitmap leaves showing what lies under every pixel of the colour at its
    // bottom-left corner.
    if (!masked_) {
        TDecodedImage masked = *image_;
        masked.AddAlpha();
        const TRGBQuad key = image_->Pixel(0, image_->Height() - 1);
        for (uint32_t y = 0; y < image_->Height(); ++y)
            for (uint32_t x = 0; x < image_->Width(); ++x)
                masked.AlphaLine(y)[x] = image_->Pixel(x, y) == key ? 0 : 255;
        masked_ = std::move(masked);
    }
    canvas.DrawImage(*masked_, TTransparencyMode::SingleColor, rect);
}

std::vector<TRGBQuad> TBitmapGraphic::Palette() const {
    if (!image_ || image_->BitCount() > 8)
        return {};
    const TBitmapInfo& info = image_->Info();
    return std::vector<TRGBQuad>(info.colors, info.colors + info.header.biClrUsed);
}

void TBitmapGraphic::LoadFromStream(TByteReader& stream) {
    image_.emplace(ReadBmp(stream));
    masked_.reset();
    Changed();
}

void TBitmapGraphic::SaveToStream(std::vector<uint8_t>& out) const {
    WriteBmp(Image(), out);
}

std::unique_ptr<TGraphic> TBitmapGraphic::Clone() const {
    auto copy = std::make_unique<TBitmapGraphic>();
    copy->image_ = image_;
    copy->SetTransparent(TransparentFlag());
    return copy;
}

const TDecodedImage& TBitmapGraphic::Image() const {
    if (!image_)
        throw EBitmapError("The bitmap is empty");
    return *image_;
}
