#include "picture/decoded_image.h"

#include "picture/byte_reader.h"
#include "picture/png_errors.h"

TBitmapInfoHeader ReadBitmapInfoHeader(const uint8_t* p) {
    TBitmapInfoHeader h{};
    h.biSize = LoadU32LE(p);
    h.biWidth = int32_t(LoadU32LE(p + 4));
    h.biHeight = int32_t(LoadU32LE(p + 8));
    h.biPlanes = LoadU16LE(p + 12);
    h.biBitCount = LoadU16LE(p + 14);
    h.biCompression = LoadU32LE(p + 16);
    h.biSizeImage = LoadU32LE(p + 20);
    h.biXPelsPerMeter = int32_t(LoadU32LE(p + 24));
    h.biYPelsPerMeter = int32_t(LoadU32LE(p + 28));
    h.biClrUsed = LoadU32LE(p + 32);
    h.biClrImportant = LoadU32LE(p + 36);
    return h;
}

bool IsSupportedBitCount(uint32_t bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

std::optional<uint32_t> ColorTableEntries(const TBitmapInfoHeader& header) {
    if (header.biBitCount > 8)
        return 0;
    const uint32_t most = 1u << header.biBitCount;
    if (header.biClrUsed == 0)
        return most;
    if (header.biClrUsed > most)
        return std::nullopt;
    return header.biClrUsed;
}

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
