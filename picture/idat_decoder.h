#pragma once
// Reads a picture's image data: inflates the zlib stream that runs across consecutive IDAT chunks,
// reverses each row's filter and puts the rows into the decoded image (pass by pass for Adam7).
// Inflating goes into a buffer of whole rows; the input of every chunk is used in place.
//
// After the last row the zlib stream is inflated on, through as many IDAT chunks as it takes, for
// at most kMaxTrailingOutput bytes of output, which are dropped: a stream that ends within them
// has its Adler-32 checked. A longer tail is accepted unread, as libpng accepts "extra compressed
// data", so that it costs a bounded amount of work; its Adler-32 then goes unchecked, every
// chunk's CRC having covered the data already. The IDAT chunks after the one reading stopped in
// are passed over by the picture's reader.
//
// Errors: a following chunk that is not IDAT while rows or the end of the zlib stream are missing
// (EPNGMissingMultipleIDAT), a zlib stream that ends before the last row (EPNGMissingMultipleIDAT),
// invalid compressed data or a wrong Adler-32 (EPNGZLIBError), an unknown filter type (EPNGInvalidFilter), a
// palette image without a palette (EPNGInvalidPalette), and the framing errors of every chunk.

#include <cstddef>
#include <cstdint>

#include "picture/chunk.h"

// About what an encoder's padding after the image could need; a tail is rarely more than the
// stream's last block end and its Adler-32.
constexpr size_t kMaxTrailingOutput = size_t(64) << 10;

// data and length: the first IDAT chunk's data, its CRC already checked; the stream stands after
// it. Creates the decoded image in the header chunk.
void ReadImageData(TPNGState& state, TByteReader& stream, const uint8_t* data, uint32_t length);
