#pragma once
// A PNG picture's pixels in the display's layout: a device-independent bitmap, bottom-up (the
// first PNG row is the last bitmap row), rows padded to 4 bytes, 24 bits per pixel in blue, green,
// red order or 1, 4 or 8 bits per pixel through a colour table; plus, for pictures with any
// transparency, an alpha array of one byte per pixel in PNG row order (top-down).
//
// Info() is laid out like the platform's BITMAPINFO (a 40-byte BITMAPINFOHEADER followed by the
// colour table), so Info() and Bits() go to StretchDIBits as they are.
//
// Limit: bitmap and alpha array together take at most kMaxDecodedImageBytes; larger images are
// refused with EPNGImageTooLarge before anything is allocated. Sizes are computed in 64 bits, so
// the check holds for 32-bit builds as well.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

constexpr uint64_t kMaxDecodedImageBytes = uint64_t(64) << 20;

// How a picture is drawn: copied, copied without the pixels of one transparent colour, or blended
// pixel by pixel with its alpha.
enum class TTransparencyMode { None, SingleColor, PerPixel };

struct TBitmapInfoHeader {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};
static_assert(sizeof(TBitmapInfoHeader) == 40, "must match BITMAPINFOHEADER");

struct TRGBQuad {
    uint8_t rgbBlue;
    uint8_t rgbGreen;
    uint8_t rgbRed;
    uint8_t rgbReserved;
    friend bool operator==(const TRGBQuad& a, const TRGBQuad& b) {
        return a.rgbBlue == b.rgbBlue && a.rgbGreen == b.rgbGreen && a.rgbRed == b.rgbRed;
    }
};
static_assert(sizeof(TRGBQuad) == 4, "must match RGBQUAD");

struct TBitmapInfo {
    TBitmapInfoHeader header;
    TRGBQuad colors[256];
};

// Row size in bytes of a bitmap: (bitCount * width + 31) div 32 * 4.
constexpr uint64_t BitmapStride(uint32_t width, uint32_t bitCount) {
    return (uint64_t(bitCount) * width + 31) / 32 * 4;
}

// A bitmap header as a .bmp file or an icon image stores it: 40 bytes, little-endian, which the
// caller has checked are there.
TBitmapInfoHeader ReadBitmapInfoHeader(const uint8_t* p);
// 1, 4, 8, 24 or 32 bits per pixel.
bool IsSupportedBitCount(uint32_t bitCount);
// A stored bitmap's colour table entries: none above 8 bits, all that the depth allows when the
// header says 0, and nothing when it claims more than the depth allows.
std::optional<uint32_t> ColorTableEntries(const TBitmapInfoHeader& header);

// Whether a bitmap of this size, with an alpha array, fits under the cap.
bool FitsDecodedImageCap(uint32_t width, uint32_t height, uint32_t bitCount);
// Throws EPNGImageTooLarge unless it does.
void CheckDecodedImageSize(uint32_t width, uint32_t height, uint32_t bitCount);

class TDecodedImage {
  public:
    // A zero-filled bitmap; bitCount is 1, 4, 8 or 24, and bitmaps of 8 bits or fewer get a colour
    // table of 2^bitCount entries, all black. Checks the size cap first.
    TDecodedImage(uint32_t width, uint32_t height, uint32_t bitCount);

    uint32_t Width() const { return width_; }
    uint32_t Height() const { return height_; }
    uint32_t BitCount() const { return info_.header.biBitCount; }
    size_t Stride() const { return stride_; }

    const TBitmapInfo& Info() const { return info_; }
    TRGBQuad* Colors() { return info_.colors; }
    const uint8_t* Bits() const { return bits_.data(); }
    uint8_t* Bits() { return bits_.data(); }
    size_t BitsSize() const { return bits_.size(); }

    // The bitmap line showing PNG row y (0 = top).
    uint8_t* Line(uint32_t y) { return bits_.data() + (height_ - 1 - y) * stride_; }
    const uint8_t* Line(uint32_t y) const { return bits_.data() + (height_ - 1 - y) * stride_; }

    // Adds a zero-filled alpha array (the cap already counted it).
    void AddAlpha() { alpha_.assign(size_t(width_) * height_, 0); }
    bool HasAlpha() const { return !alpha_.empty(); }
    uint8_t* AlphaLine(uint32_t y) { return alpha_.data() + size_t(y) * width_; }
    const uint8_t* AlphaLine(uint32_t y) const { return alpha_.data() + size_t(y) * width_; }

    // The colour shown at (x, y), PNG row order, through the colour table for palette bitmaps.
    TRGBQuad Pixel(uint32_t x, uint32_t y) const;
    // 255 without an alpha array.
    uint8_t Alpha(uint32_t x, uint32_t y) const { return alpha_.empty() ? 255 : AlphaLine(y)[x]; }
    // The colour-table index at (x, y) of a palette bitmap.
    uint8_t Index(uint32_t x, uint32_t y) const;

  private:
    uint32_t width_;
    uint32_t height_;
    size_t stride_;
    TBitmapInfo info_{};
    std::vector<uint8_t> bits_;
    std::vector<uint8_t> alpha_;
};
