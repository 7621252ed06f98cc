#include "picture/icon_format.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "picture/byte_reader.h"
#include "picture/decoded_image.h"
#include "picture/png_errors.h"
#include "picture/png_object.h"

namespace {

constexpr size_t kHeaderSize = 6;
constexpr size_t kEntrySize = 16;
constexpr uint32_t kInfoSize = 40;
constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

constexpr char kInvalid[] = "The icon is not valid: ";

[[noreturn]] void Fail(const char* why) {
    throw EIconError(kInvalid + std::string(why));
}

bool SideFits(uint32_t side) {
    return side >= 1 && side <= kMaxIconSide;
}

// A bitmap image: the header, its colour table, the colour rows and the mask rows must all fit.
void ReadBitmapImage(const uint8_t* p, TIconImage& image) {
    const TBitmapInfoHeader header = ReadBitmapInfoHeader(p);
    if (header.biSize != kInfoSize)
        Fail("an image's header kind is not supported");
    if (header.biWidth <= 0 || header.biHeight <= 0 || header.biHeight % 2 != 0 ||
        !SideFits(uint32_t(header.biWidth)) || !SideFits(uint32_t(header.biHeight / 2)))
        Fail("an image's width or height is out of range");
    if (header.biPlanes != 1 || header.biCompression != 0 || !IsSupportedBitCount(header.biBitCount))
        Fail("an image's pixel format is not supported");
    const uint32_t w = uint32_t(header.biWidth);
    const uint32_t h = uint32_t(header.biHeight / 2);
    const uint16_t bitCount = header.biBitCount;
    const std::optional<uint32_t> colors = ColorTableEntries(header);
    if (!colors)
        Fail("an image's colour table is too large");
    // Sides of at most 256 keep this well inside 64 bits.
    const uint64_t needed =
        kInfoSize + uint64_t(*colors) * 4 + (BitmapStride(w, bitCount) + BitmapStride(w, 1)) * h;
    if (needed > image.size)
        Fail("an image is shorter than its rows and mask");
    image.width = w;
    image.height = h;
    image.bitCount = bitCount;
}

// A PNG image must read cleanly with the program's own reader before the platform decodes it. Its
// sides are checked on its header first, so that a large image is refused before it is decoded;
// the PNG images of one icon share one allowance of text.
void ReadPngImage(const uint8_t* p, TIconImage& image, size_t& textAllowance) {
    // Signature, then the header chunk's length and name, width and height.
    constexpr size_t kSidesEnd = 24;
    if (image.size >= kSidesEnd && std::memcmp(p + 12, "IHDR", 4) == 0 &&
        (!SideFits(LoadU32BE(p + 16)) || !SideFits(LoadU32BE(p + 20))))
        Fail("an image's width or height is out of range");
    TPNGObject png;
    try {
        TByteReader stream(p, image.size);
        png.LoadSharingTextAllowance(stream, textAllowance);
    } catch (const EPNGOutMemory&) {
        throw; // not a fault of the icon
    } catch (const Exception& e) {
        throw EIconError(kInvalid + std::string("a PNG image cannot be read (") + e.Message() + ")");
    }
    image.width = uint32_t(png.Width());
    image.height = uint32_t(png.Height());
    image.bitCount = 32;
}

bool SameBytes(const TIconImage& a, const TIconImage& b) {
    return a.offset == b.offset && a.size == b.size;
}

} // namespace

std::vector<TIconImage> ReadIconDirectory(const uint8_t* data, size_t size) {
    if (size > kMaxIconFileBytes)
        Fail("the file is larger than 16 MB");
    if (size < kHeaderSize)
        Fail("the file is too short for its header");
    if (LoadU16LE(data) != 0 || LoadU16LE(data + 2) != 1)
        Fail("the file is not an icon file");
    const size_t count = LoadU16LE(data + 4);
    if (count == 0)
        Fail("the file holds no image");
    if (count > kMaxIconImages)
        Fail("the file holds more than 256 images");
    const size_t directoryEnd = kHeaderSize + count * kEntrySize;
    if (directoryEnd > size)
        Fail("the file is too short for its directory");

    std::vector<TIconImage> images(count);
    size_t textAllowance = kMaxPictureTextBytes;
    // Bytes of the distinct PNG images read: the decoding work of a file whose images overlap
    // stays within reading the file once.
    size_t pngBytes = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = data + kHeaderSize + i * kEntrySize;
        TIconImage& image = images[i];
        image.size = LoadU32LE(entry + 8);
        image.offset = LoadU32LE(entry + 12);
        if (image.offset < directoryEnd || image.offset > size || image.size > size - image.offset)
            Fail("an image lies outside the file");
        // Entries that share their bytes share what they hold: read once.
        const auto earlier = std::find_if(images.begin(), images.begin() + long(i),
                                          [&](const TIconImage& other) { return SameBytes(other, image); });
        if (earlier != images.begin() + long(i)) {
            image = *earlier;
            continue;
        }
        const uint8_t* p = data + image.offset;
        if (image.size >= sizeof kPngSignature && std::memcmp(p, kPngSignature, sizeof kPngSignature) == 0) {
            pngBytes += image.size;
            if (pngBytes > size - directoryEnd)
                Fail("its PNG images overlap");
            ReadPngImage(p, image, textAllowance);
        } else if (image.size >= kInfoSize)
            ReadBitmapImage(p, image);
        else
            Fail("an image is too short for its header");
    }
    return images;
}

const TIconImage& BestIconImage(const std::vector<TIconImage>& images, int width, int height) {
    const TIconImage* best = &images.front();
    const auto distance = [&](const TIconImage& image) {
        return std::abs(int(image.width) - width) + std::abs(int(image.height) - height);
    };
    for (const TIconImage& image : images) {
        const int d = distance(image);
        const int bestD = distance(*best);
        if (d < bestD || (d == bestD && image.bitCount > best->bitCount))
            best = &image;
    }
    return *best;
}
