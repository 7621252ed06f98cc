#include "picture/bmp_format.h"

#include <cstring>
#include <optional>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreInfoSize = 40;      // BITMAPINFOHEADER
constexpr uint32_t kV4InfoSize = 108;       // BITMAPV4HEADER
constexpr uint32_t kV5InfoSize = 124;       // BITMAPV5HEADER
constexpr size_t kBitsOffsetAt = 10;        // the file header's bfOffBits
constexpr uint32_t kColorMasksSize = 3 * 4; // red, green and blue masks of BI_BITFIELDS
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kMaxSide = 65535;

void AppendLE(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

[[noreturn]] void Fail(const char* why) {
    throw EBitmapError(std::string("The bitmap is not valid: ") + why);
}

// The three masks of BI_BITFIELDS must be the layout the 24-bit copy assumes.
void CheckMasks(const uint8_t* masks) {
    if (LoadU32LE(masks) != 0x00FF0000 || LoadU32LE(masks + 4) != 0x0000FF00 ||
        LoadU32LE(masks + 8) != 0x000000FF)
        Fail("its colour masks are not supported");
}

} // namespace

TDecodedImage ReadBmp(TByteReader& stream) {
    const size_t total = stream.Remaining();
    const uint8_t* const start = stream.Take(0);
    if (total < kFileHeaderSize + kCoreInfoSize)
        Fail("the file is too short for its headers");
    if (start[0] != 'B' || start[1] != 'M')
        Fail("the file does not start with \"BM\"");
    const uint32_t bitsOffset = LoadU32LE(start + kBitsOffsetAt);
    const uint8_t* info = start + kFileHeaderSize;
    const TBitmapInfoHeader header = ReadBitmapInfoHeader(info);
    const uint32_t infoSize = header.biSize;
    if (infoSize != kCoreInfoSize && infoSize != kV4InfoSize && infoSize != kV5InfoSize)
        Fail("its header kind is not supported");
    if (infoSize > total - kFileHeaderSize)
        Fail("the file is too short for its headers");
    const int32_t width = header.biWidth;
    const uint16_t bitCount = header.biBitCount;

    const bool topDown = header.biHeight < 0;
    const uint32_t height = topDown ? uint32_t(0) - uint32_t(header.biHeight) : uint32_t(header.biHeight);
    if (width <= 0 || height == 0 || uint32_t(width) > kMaxSide || height > kMaxSide)
        Fail("its width or height is out of range");
    if (header.biPlanes != 1)
        Fail("its plane count is not 1");
    if (!IsSupportedBitCount(bitCount))
        Fail("its bit count is not supported");

    size_t tableOffset = kFileHeaderSize + infoSize;
    if (header.biCompression == kBiBitfields && bitCount == 32) {
        if (infoSize == kCoreInfoSize) { // the masks follow the header
            if (total - tableOffset < kColorMasksSize)
                Fail("the file is too short for its colour masks");
            CheckMasks(start + tableOffset);
            tableOffset += kColorMasksSize;
        } else {
            CheckMasks(info + kCoreInfoSize); // the larger headers hold them after its fields
        }
    } else if (header.biCompression != kBiRgb) {
        Fail("compressed bitmaps are not supported");
    }

    const std::optional<uint32_t> entries = ColorTableEntries(header);
    if (!entries)
        Fail("its colour table is too large");
    const uint32_t tableSize = *entries;
    if (total - tableOffset < size_t(tableSize) * 4)
        Fail("the file is too short for its colour table");

    const uint64_t sourceStride = BitmapStride(uint32_t(width), bitCount);
    const uint32_t keptBits = bitCount == 32 ? 24 : bitCount;
    if (!FitsDecodedImageCap(uint32_t(width), height, keptBits))
        Fail("it is too large");
    if (bitsOffset < tableOffset + uint64_t(tableSize) * 4 || bitsOffset > total ||
        sourceStride * height > total - bitsOffset)
        Fail("the file is too short for its rows");

    TDecodedImage image(uint32_t(width), height, keptBits);
    for (uint32_t i = 0; i < tableSize; ++i) {
        const uint8_t* c = start + tableOffset + size_t(i) * 4;
        image.Colors()[i] = {c[0], c[1], c[2], 0};
    }
    const uint8_t* rows = start + bitsOffset;
    for (uint32_t y = 0; y < height; ++y) { // y counts from the top
        const uint8_t* source = rows + size_t(topDown ? y : height - 1 - y) * sourceStride;
        uint8_t* line = image.Line(y);
        if (bitCount != 32) {
            std::memcpy(line, source, size_t(BitmapStride(uint32_t(width), bitCount)));
            continue;
        }
        for (int32_t x = 0; x < width; ++x)
            std::memcpy(line + size_t(x) * 3, source + size_t(x) * 4, 3);
    }
    stream.Take(total);
    return image;
}

void WriteBmp(const TDecodedImage& image, std::vector<uint8_t>& out) {
    const uint32_t colors = image.BitCount() <= 8 ? image.Info().header.biClrUsed : 0;
    const uint32_t bitsOffset = uint32_t(kFileHeaderSize + kCoreInfoSize + colors * 4);
    out.push_back('B');
    out.push_back('M');
    AppendLE(out, uint32_t(bitsOffset + image.BitsSize()), 4);
    AppendLE(out, 0, 4);
    AppendLE(out, bitsOffset, 4);
    AppendLE(out, kCoreInfoSize, 4);
    AppendLE(out, image.Width(), 4);
    AppendLE(out, image.Height(), 4);
    AppendLE(out, 1, 2);
    AppendLE(out, image.BitCount(), 2);
    AppendLE(out, kBiRgb, 4);
    AppendLE(out, uint32_t(image.BitsSize()), 4);
    AppendLE(out, 0, 4); // pixels per metre, across
    AppendLE(out, 0, 4); // and down
    AppendLE(out, colors, 4);
    AppendLE(out, 0, 4);
    for (uint32_t i = 0; i < colors; ++i) {
        const TRGBQuad& c = image.Info().colors[i];
        out.insert(out.end(), {c.rgbBlue, c.rgbGreen, c.rgbRed, 0});
    }
    out.insert(out.end(), image.Bits(), image.Bits() + image.BitsSize());
}
