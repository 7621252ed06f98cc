#pragma once
// "IHDR", the header: size, bit depth, colour type, methods. It owns the decoded image, which the
// image data fills, with the gamma tables its samples were stored through and its transparency
// mode.
//
// Checks, in this order: exactly 13 data bytes (EPngInvalidIHDR), width and height at most 65535
// (EPNGSizeExceeds), compression method 0 (EPNGUnknownCompression), interlace method 0 or 1
// (EPNGUnknownInterlace); then a zero width or height, a filter method other than 0 or a colour
// type and bit depth that the PNG standard does not allow are refused as a corrupt header
// (EPngInvalidIHDR), and a size whose decoded image exceeds the cap with EPNGImageTooLarge.

#include <cstdint>
#include <memory>

#include "picture/chunk.h"
#include "picture/decoded_image.h"
#include "picture/png_gamma.h"

// Samples per pixel of a PNG colour type: grey 1, RGB 3, palette 1, grey with alpha 2, RGBA 4.
uint32_t ChannelsOfColorType(uint8_t colorType);

class TChunkIHDR : public TChunk {
  public:
    TChunkIHDR() : TChunk("IHDR") {}

    void LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length) override;
    void SaveToStream(const TPNGState& state, std::vector<uint8_t>& out) const override;
    void Assign(const TChunk& source) override;

    // Sets the fields (compression and filter method 0) with the checks of a header read.
    void SetFields(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType,
                   uint8_t interlaceMethod);

    uint32_t Width() const { return width_; }
    uint32_t Height() const { return height_; }
    uint8_t BitDepth() const { return bitDepth_; }
    uint8_t ColorType() const { return colorType_; }
    uint8_t InterlaceMethod() const { return interlaceMethod_; }
    // Samples per pixel: 1, 2, 3 or 4.
    uint32_t Channels() const;
    // Bits per pixel of the display bitmap: 24 for colour types 2 and 6; 1, 4 or 8 through a colour
    // table for the others (bit depth 2 is shown with 4 bits, 16 with 8).
    uint32_t BitmapBitCount() const;
    // The bit depth the writer uses: the display bitmap shows 2-bit samples with 4 bits, so 2 is
    // written as 4.
    uint8_t WrittenBitDepth() const;

    // Creates the zero-filled decoded image, remembering the gamma tables its samples go through
    // and the transparent colour of colour types 0 and 2 (as stored; nullptr for none).
    TDecodedImage& CreateImage(const TGammaTables& gamma, TTransparencyMode mode,
                               const uint16_t* transparentColor = nullptr);
    const TDecodedImage* Image() const { return image_.get(); }
    const TGammaTables& ImageGamma() const { return imageGamma_; }
    TTransparencyMode TransparencyMode() const { return mode_; }
    const uint16_t* TransparentColor() const { return hasTransparentColor_ ? transparentColor_ : nullptr; }

  private:
    void Check() const;

    uint32_t width_ = 0;
    uint32_t height_ = 0;
    uint8_t bitDepth_ = 0;
    uint8_t colorType_ = 0;
    uint8_t compressionMethod_ = 0;
    uint8_t filterMethod_ = 0;
    uint8_t interlaceMethod_ = 0;
    std::unique_ptr<TDecodedImage> image_;
    TGammaTables imageGamma_;
    TTransparencyMode mode_ = TTransparencyMode::None;
    bool hasTransparentColor_ = false;
    uint16_t transparentColor_[3] = {};
};
