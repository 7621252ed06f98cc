#pragma once
// TPNGObject, the PNG picture kind: a list of chunks in stream order (the header first) and the
// decoded image in the display's layout, owned by the header chunk.
//
// Reading (LoadFromStream) takes a complete PNG datastream: the signature, then chunks up to IEND.
// cHRM chunks and IDAT chunks after the image data are passed over, their CRC checked all the same;
// unknown ancillary chunks are kept raw, unknown critical ones refused. Every chunk's CRC is checked. A
// failing read throws one of the EPngError classes (png_errors.h) and leaves the picture as it was.
//
// The reader's limits:
//   - width and height at most 65535 (EPNGSizeExceeds), at least 1 (EPngInvalidIHDR);
//   - decoded bitmap plus alpha array at most kMaxDecodedImageBytes, 64 MB (EPNGImageTooLarge),
//     checked on the header, before any allocation;
//   - a chunk never claims more data than the stream still holds (EPngUnexpectedEnd, before any
//     allocation), so no chunk copy is larger than the input;
//   - a zTXt text inflates to at most kMaxTextBytes, 1 MB (EPNGTextTooLarge);
//   - the texts of tEXt and zTXt chunks together are at most kMaxPictureTextBytes, 4 MB
//     (EPNGTooMuchText);
//   - image data must deliver every row (EPNGMissingMultipleIDAT otherwise); after the last row
//     at most kMaxTrailingOutput bytes more are inflated (idat_decoder.h).
// Running out of memory raises std::bad_alloc, or EPNGOutMemory inside zlib.
//
// Writing (SaveToStream) writes the signature and every chunk in order: the header rebuilt from
// its fields, the image data encoded again with the Sub filter at deflate level 7 in IDAT chunks
// of 65535 bytes, the other chunks as they were read.

#include <memory>
#include <vector>

#include "picture/chunk.h"
#include "picture/chunk_ihdr.h"
#include "picture/decoded_image.h"
#include "picture/graphic.h"

class TPNGObject : public TGraphic {
  public:
    static const TGraphicClass& StaticClass();

    TPNGObject() = default;
    const TGraphicClass& Class() const override { return StaticClass(); }

    bool Empty() const override { return state_.Header() == nullptr; }
    int Width() const override;
    int Height() const override;
    // A PNG cannot be resized: both throw EPngError.
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Transparent() const override { return TransparencyMode() != TTransparencyMode::None; }
    // Draws by the transparency mode, whatever Transparent() is used for by the holder.
    void Draw(TGraphicCanvas& canvas, const TRect& rect) const override;
    // The colour table of a palette bitmap (colour types 0, 3 and 4); empty for 24-bit ones.
    std::vector<TRGBQuad> Palette() const override;

    void LoadFromStream(TByteReader& stream) override;
    // The same, keeping at most textAllowance bytes of text, and taking what this picture keeps
    // off it: several pictures read as one share the allowance.
    void LoadSharingTextAllowance(TByteReader& stream, size_t& textAllowance);
    // Throws EPNGHeaderNotPresent for a picture without a header.
    void SaveToStream(std::vector<uint8_t>& out) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    void Assign(const TPNGObject& source);

    const TChunkList& Chunks() const { return state_.chunks; }
    const TGammaTables& Gamma() const { return state_.gamma; }
    // Both throw EPNGHeaderNotPresent for a picture without a header.
    const TChunkIHDR& Header() const;
    const TDecodedImage& Image() const;
    // None for a picture without a header.
    TTransparencyMode TransparencyMode() const;

  private:
    friend std::unique_ptr<TPNGObject> CreateRGBPNG(uint32_t, uint32_t, const uint8_t*);
    friend std::unique_ptr<TPNGObject> CreateRGBAPNG(uint32_t, uint32_t, const uint8_t*);

    TPNGState state_;
};
