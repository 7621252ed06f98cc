#include "picture/decoded_image.h"

#include "picture/png_errors.h"

bool FitsDecodedImageCap(uint32_t width, uint32_t height, uint32_t bitCount) {
    const uint64_t bitmap = BitmapStride(width, bitCount) * height;
    const uint64_t alpha = uint64_t(width) * height;
    return bitmap + alpha <= kMaxDecodedImageBytes;
}

void CheckDecodedImageSize(uint32_t width, uint32_t height, uint32_t bitCount) {
    if (!FitsDecodedImageCap(width, height, bitCount))
        throw EPNGImageTooLarge();
}

TDecodedImage::TDecodedImage(uint32_t width, uint32_t height, uint32_t bitCount)
    : width_(width), height_(height) {
    CheckDecodedImageSize(width, height, bitCount);
    stride_ = size_t(BitmapStride(width, bitCount));
    bits_.assign(stride_ * height, 0);
    TBitmapInfoHeader& h = info_.header;
    h.biSize = sizeof(TBitmapInfoHeader);
    h.biWidth = int32_t(width);
    h.biHeight = int32_t(height);
    h.biPlanes = 1;
    h.biBitCount = uint16_t(bitCount);
    h.biSizeImage = uint32_t(bits_.size());
    h.biClrUsed = bitCount <= 8 ? 1u << bitCount : 0;
}

uint8_t TDecodedImage::Index(uint32_t x, uint32_t y) const {
    const uint8_t* line = Line(y);
    switch (BitCount()) {
    case 1:
        return (line[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (line[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
    default:
        return line[x];
    }
}

TRGBQuad TDecodedImage::Pixel(uint32_t x, uint32_t y) const {
    if (BitCount() == 24) {
        const uint8_t* p = Line(y) + size_t(x) * 3;
        return {p[0], p[1], p[2], 0};
    }
    return info_.colors[Index(x, y)];
}
