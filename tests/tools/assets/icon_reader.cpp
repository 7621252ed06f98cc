#include "tests/tools/assets/icon_reader.h"

#include "picture/byte_reader.h"
#include "picture/png_object.h"

#include <algorithm>

namespace {

uint32_t Get16(const std::vector<uint8_t>& f, size_t at) {
    return f[at] | uint32_t(f[at + 1]) << 8;
}
uint32_t Get32(const std::vector<uint8_t>& f, size_t at) {
    return Get16(f, at) | Get16(f, at + 2) << 16;
}

bool ReadBitmap(const std::vector<uint8_t>& f, size_t at, size_t bytes, ReadIconImage& image,
                std::string& problem) {
    const int w = image.width, h = image.height;
    const size_t maskRow = (size_t(w) + 31) / 32 * 4;
    const size_t pixels = size_t(w) * h;
    if (bytes != 40 + pixels * 4 + maskRow * h) {
        problem = "entry size does not match a 32-bit bitmap with mask";
        return false;
    }
    if (Get32(f, at) != 40 || Get32(f, at + 4) != uint32_t(w) || Get32(f, at + 8) != uint32_t(2 * h) ||
        Get16(f, at + 12) != 1 || Get16(f, at + 14) != 32 || Get32(f, at + 16) != 0) {
        problem = "bitmap header fields wrong";
        return false;
    }
    const uint32_t sizeImage = Get32(f, at + 20);
    if (sizeImage != 0 && sizeImage != bytes - 40) {
        problem = "bitmap image size wrong";
        return false;
    }
    image.rgba.resize(pixels * 4);
    image.mask.resize(pixels);
    image.maskPaddingClear = true;
    const size_t colour = at + 40, mask = colour + pixels * 4;
    for (int row = 0; row < h; ++row) {
        const int y = h - 1 - row; // bottom-up
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = &f[colour + (size_t(row) * w + x) * 4];
            uint8_t* q = &image.rgba[(size_t(y) * w + x) * 4];
            q[0] = p[2], q[1] = p[1], q[2] = p[0], q[3] = p[3];
        }
        for (size_t bit = 0; bit < maskRow * 8; ++bit) {
            const bool set = f[mask + row * maskRow + bit / 8] & (0x80 >> (bit % 8));
            if (bit < size_t(w))
                image.mask[size_t(y) * w + bit] = set;
            else if (set)
                image.maskPaddingClear = false;
        }
    }
    return true;
}

// A PNG image must be an 8-bit RGBA stream of the entry's size; the project's PNG reader decodes it.
bool ReadPng(const std::vector<uint8_t>& f, size_t at, size_t bytes, ReadIconImage& image,
             std::string& problem) {
    TPNGObject png;
    try {
        TByteReader stream(f.data() + at, bytes);
        png.LoadFromStream(stream);
    } catch (const std::exception& e) {
        problem = std::string("PNG image: ") + e.what();
        return false;
    }
    if (png.Header().ColorType() != 6 || png.Header().BitDepth() != 8 || png.Width() != image.width ||
        png.Height() != image.height) {
        problem = "PNG image is not 8-bit RGBA of the entry's size";
        return false;
    }
    const TDecodedImage& decoded = png.Image();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const TRGBQuad c = decoded.Pixel(uint32_t(x), uint32_t(y));
            image.rgba.insert(image.rgba.end(),
                              {c.rgbRed, c.rgbGreen, c.rgbBlue, decoded.Alpha(uint32_t(x), uint32_t(y))});
        }
    return true;
}

} // namespace

std::vector<ReadIconImage> ReadIconFile(const std::vector<uint8_t>& f, std::string& problem) {
    problem.clear();
    if (f.size() < 6 || Get16(f, 0) != 0 || Get16(f, 2) != 1) {
        problem = "not an icon directory";
        return {};
    }
    const size_t count = Get16(f, 4);
    if (f.size() < 6 + 16 * count) {
        problem = "directory cut short";
        return {};
    }
    std::vector<ReadIconImage> images(count);
    size_t expectedOffset = 6 + 16 * count;
    for (size_t i = 0; i < count; ++i) {
        const size_t e = 6 + 16 * i;
        ReadIconImage& image = images[i];
        image.width = f[e] ? f[e] : 256;
        image.height = f[e + 1] ? f[e + 1] : 256;
        const size_t bytes = Get32(f, e + 8), offset = Get32(f, e + 12);
        if (f[e + 2] != 0 || f[e + 3] != 0 || Get16(f, e + 4) != 1 || Get16(f, e + 6) != 32) {
            problem = "entry " + std::to_string(i) + ": palette, reserved, planes or bit count wrong";
            return {};
        }
        if (offset != expectedOffset || offset + bytes > f.size()) {
            problem = "entry " + std::to_string(i) + ": image not where expected";
            return {};
        }
        expectedOffset += bytes;
        static const uint8_t kPng[4] = {0x89, 'P', 'N', 'G'};
        image.isPng = bytes >= 4 && std::equal(kPng, kPng + 4, f.begin() + offset);
        if (!(image.isPng ? ReadPng : ReadBitmap)(f, offset, bytes, image, problem)) {
            problem = "entry " + std::to_string(i) + ": " + problem;
            return {};
        }
    }
    if (expectedOffset != f.size()) {
        problem = "bytes after the last image";
        return {};
    }
    return images;
}
