#pragma once
// The Windows bitmap file (.bmp): a 14-byte file header, a bitmap header and its colour table,
// then the rows. Read into, and written from, a bitmap in the display's layout.
//
// The reader takes what the platform writes for uncompressed bitmaps: headers of 40, 108 or 124
// bytes, 1, 4, 8, 24 or 32 bits per pixel (BI_RGB, or BI_BITFIELDS with the usual blue-green-red
// masks for 32 bits), rows bottom-up or top-down. 32-bit pixels are kept as 24-bit, their fourth
// byte dropped. Every size and offset is checked against the stream before anything is copied;
// anything else, or a stream too short for what it claims, raises EBitmapError and reads nothing.

#include <cstdint>
#include <vector>

#include "base/exception.h"
#include "picture/byte_reader.h"
#include "picture/decoded_image.h"

class EBitmapError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EBitmapError"; }
};

// Reads a whole .bmp stream: the width and height at most 65535 and the bitmap under
// kMaxDecodedImageBytes.
TDecodedImage ReadBmp(TByteReader& stream);

// A .bmp stream of the bitmap: 40-byte header, its colour table, the rows bottom-up.
void WriteBmp(const TDecodedImage& image, std::vector<uint8_t>& out);
