#include "tools/assets/icon_file.h"

#include "picture/png_rgb.h"
#include "tools/assets/asset_error.h"

#include <string>

namespace {

constexpr size_t kDirectoryHeaderSize = 6;
constexpr size_t kDirectoryEntrySize = 16;
constexpr size_t kInfoHeaderSize = 40;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Rows of the 1-bit mask are padded to whole 32-bit words.
size_t MaskRowBytes(int width) {
    return (size_t(width) + 31) / 32 * 4;
}

size_t ImageBytes(const RgbaImage& image) {
    return kInfoHeaderSize + size_t(image.width) * image.height * 4 +
           MaskRowBytes(image.width) * image.height;
}

void CheckImage(const RgbaImage& image) {
    if (image.width < 1 || image.width > 256 || image.height < 1 || image.height > 256)
        throw EAssetError("icon image size " + std::to_string(image.width) + " x " +
                          std::to_string(image.height) + " is outside 1 to 256 pixels");
    if (image.rgba.size() != size_t(image.width) * image.height * 4)
        throw EAssetError("icon image of " + std::to_string(image.width) + " x " +
                          std::to_string(image.height) + " pixels has " + std::to_string(image.rgba.size()) +
                          " bytes of samples");
}

void PutDirectoryEntry(std::vector<uint8_t>& out, const RgbaImage& image, size_t bytes, size_t offset) {
    out.push_back(uint8_t(image.width == 256 ? 0 : image.width)); // 0 stands for 256
    out.push_back(uint8_t(image.height == 256 ? 0 : image.height));
    out.push_back(0); // no palette
    out.push_back(0); // reserved
    Put16(out, 1);    // planes
    Put16(out, 32);   // bits per pixel
    Put32(out, uint32_t(bytes));
    Put32(out, uint32_t(offset));
}

void PutBitmap(std::vector<uint8_t>& out, const RgbaImage& image) {
    const size_t maskRow = MaskRowBytes(image.width);
    Put32(out, kInfoHeaderSize);
    Put32(out, uint32_t(image.width));
    Put32(out, uint32_t(image.height) * 2); // colour bitmap and mask stacked
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0); // BI_RGB
    Put32(out, uint32_t(ImageBytes(image) - kInfoHeaderSize));
    for (int i = 0; i < 4; ++i)
        Put32(out, 0); // resolution and palette counts: unused

    // Both bitmaps are bottom-up: the last picture row comes first.
    for (int y = image.height - 1; y >= 0; --y) {
        const uint8_t* p = &image.rgba[size_t(y) * image.width * 4];
        for (int x = 0; x < image.width; ++x, p += 4) {
            if (p[3] == 0) {
                Put32(out, 0);
                continue;
            }
            out.insert(out.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskRow, 0);
        const uint8_t* p = &image.rgba[size_t(y) * image.width * 4];
        for (int x = 0; x < image.width; ++x)
            if (p[size_t(x) * 4 + 3] == 0)
                row[size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

// The largest icon images are PNG streams, which Windows reads since Vista: a 256-pixel bitmap
// would take a quarter of a megabyte.
std::vector<uint8_t> EncodeImage(const RgbaImage& image) {
    std::vector<uint8_t> out;
    if (image.width == 256 && image.height == 256)
        CreateRGBAPNG(uint32_t(image.width), uint32_t(image.height), image.rgba.data())->SaveToStream(out);
    else
        PutBitmap(out, image);
    return out;
}

} // namespace

std::vector<uint8_t> BuildIconFile(const std::vector<RgbaImage>& images) {
    if (images.empty() || images.size() > 0xFFFF)
        throw EAssetError("an icon file holds 1 to 65535 images, not " + std::to_string(images.size()));
    for (const RgbaImage& image : images)
        CheckImage(image);

    std::vector<uint8_t> out;
    Put16(out, 0); // reserved
    Put16(out, 1); // resource type: icon
    Put16(out, uint32_t(images.size()));
    std::vector<std::vector<uint8_t>> encoded;
    for (const RgbaImage& image : images)
        encoded.push_back(EncodeImage(image));
    size_t offset = kDirectoryHeaderSize + kDirectoryEntrySize * images.size();
    for (size_t i = 0; i < images.size(); ++i) {
        PutDirectoryEntry(out, images[i], encoded[i].size(), offset);
        offset += encoded[i].size();
        if (offset > 0xFFFFFFFFu)
            throw EAssetError("icon file would exceed 4 GB"); // offsets are 32-bit
    }
    for (const std::vector<uint8_t>& bytes : encoded)
        out.insert(out.end(), bytes.begin(), bytes.end());
    return out;
}
