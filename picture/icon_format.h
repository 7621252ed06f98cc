#pragma once
// The Windows icon file (.ico): a 6-byte header (reserved 0, type 1, image count), a 16-byte
// directory entry per image (width, height, colours, planes, bit count, byte count, offset), then
// the images. Each image is either a bitmap header (40 bytes, height doubled), its colour table,
// the colour rows and the one-bit mask rows, or a whole PNG stream.
//
// The reader checks the header, that every entry's bytes lie in the file after the directory,
// and that every image holds what its own header promises (a PNG image must read cleanly, its
// sides checked on its header before it is decoded), before the platform is handed any of them.
// An image's size is taken from its own header: the directory's size bytes are a hint that
// writers get wrong. Entries on the same bytes are read once; distinct PNG images together may
// not hold more bytes than the file has after its directory, so the decoding work stays
// proportional to the file. Anything else raises EIconError; running out of memory std::bad_alloc or
// EPNGOutMemory.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/exception.h"

class EIconError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EIconError"; }
};

// The reader's limits: larger files and directories are refused before anything is allocated.
inline constexpr size_t kMaxIconFileBytes = size_t(16) << 20;
inline constexpr size_t kMaxIconImages = 256;
inline constexpr uint32_t kMaxIconSide = 256;

struct TIconImage {
    uint32_t width;
    uint32_t height;
    uint32_t bitCount; // 32 for a PNG image
    size_t offset;     // of its bytes in the file
    size_t size;
};

// The images of a whole .ico file, in directory order; at least one.
std::vector<TIconImage> ReadIconDirectory(const uint8_t* data, size_t size);

// The image that draws best at width x height: the nearest in size, then the one with the most
// colours, then the first.
const TIconImage& BestIconImage(const std::vector<TIconImage>& images, int width, int height);
