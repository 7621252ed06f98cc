#include "picture/chunk_ihdr.h"

#include <algorithm>

#include "picture/png_errors.h"
#include "picture/png_types.h"

namespace {

bool IsAllowedDepth(uint8_t colorType, uint8_t depth) {
    switch (colorType) {
    case ctGrayscale:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case ctPalette:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case ctRGB:
    case ctGrayscaleAlpha:
    case ctRGBAlpha:
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

} // namespace

void TChunkIHDR::LoadFromStream(TPNGState&, TByteReader& stream, uint32_t length) {
    ReadData(stream, length);
    if (data_.size() != 13)
        throw EPngInvalidIHDR();
    const uint8_t* d = data_.data();
    width_ = LoadU32BE(d);
    height_ = LoadU32BE(d + 4);
    bitDepth_ = d[8];
    colorType_ = d[9];
    compressionMethod_ = d[10];
    filterMethod_ = d[11];
    interlaceMethod_ = d[12];
    Check();
}

void TChunkIHDR::SetFields(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType,
                           uint8_t interlaceMethod) {
    width_ = width;
    height_ = height;
    bitDepth_ = bitDepth;
    colorType_ = colorType;
    compressionMethod_ = 0;
    filterMethod_ = 0;
    interlaceMethod_ = interlaceMethod;
    Check();
}

void TChunkIHDR::Check() const {
    if (width_ > 65535 || height_ > 65535)
        throw EPNGSizeExceeds();
    if (compressionMethod_ != 0)
        throw EPNGUnknownCompression();
    if (interlaceMethod_ > 1)
        throw EPNGUnknownInterlace();
    if (width_ == 0 || height_ == 0 || filterMethod_ != 0 || !IsAllowedDepth(colorType_, bitDepth_))
        throw EPngInvalidIHDR();
    CheckDecodedImageSize(width_, height_, BitmapBitCount());
}

void TChunkIHDR::SaveToStream(const TPNGState&, std::vector<uint8_t>& out) const {
    std::vector<uint8_t> d;
    AppendU32BE(d, width_);
    AppendU32BE(d, height_);
    d.push_back(WrittenBitDepth());
    d.push_back(colorType_);
    d.push_back(compressionMethod_);
    d.push_back(filterMethod_);
    d.push_back(interlaceMethod_);
    WriteChunk(out, NameBytes(), d.data(), d.size());
}

void TChunkIHDR::Assign(const TChunk& source) {
    TChunk::Assign(source);
    const auto& s = static_cast<const TChunkIHDR&>(source);
    width_ = s.width_;
    height_ = s.height_;
    bitDepth_ = s.bitDepth_;
    colorType_ = s.colorType_;
    compressionMethod_ = s.compressionMethod_;
    filterMethod_ = s.filterMethod_;
    interlaceMethod_ = s.interlaceMethod_;
    image_ = s.image_ ? std::make_unique<TDecodedImage>(*s.image_) : nullptr;
    imageGamma_ = s.imageGamma_;
    mode_ = s.mode_;
    hasTransparentColor_ = s.hasTransparentColor_;
    std::copy(s.transparentColor_, s.transparentColor_ + 3, transparentColor_);
}

uint32_t TChunkIHDR::Channels() const {
    return ChannelsOfColorType(colorType_);
}

uint32_t ChannelsOfColorType(uint8_t colorType) {
    switch (colorType) {
    case ctRGB:
        return 3;
    case ctGrayscaleAlpha:
        return 2;
    case ctRGBAlpha:
        return 4;
    default:
        return 1;
    }
}

uint32_t TChunkIHDR::BitmapBitCount() const {
    if (colorType_ == ctRGB || colorType_ == ctRGBAlpha)
        return 24;
    if (bitDepth_ == 1)
        return 1;
    return bitDepth_ <= 4 ? 4 : 8;
}

uint8_t TChunkIHDR::WrittenBitDepth() const {
    return bitDepth_ == 2 ? 4 : bitDepth_;
}

TDecodedImage& TChunkIHDR::CreateImage(const TGammaTables& gamma, TTransparencyMode mode,
                                       const uint16_t* transparentColor) {
    image_ = std::make_unique<TDecodedImage>(width_, height_, BitmapBitCount());
    if (mode != TTransparencyMode::None)
        image_->AddAlpha();
    imageGamma_ = gamma;
    mode_ = mode;
    hasTransparentColor_ = transparentColor != nullptr;
    if (transparentColor)
        std::copy(transparentColor, transparentColor + 3, transparentColor_);
    return *image_;
}
