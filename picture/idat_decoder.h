#pragma once
// Reads a picture's image data: inflates the zlib stream that runs across consecutive IDAT chunks,
// reverses each row's filter and puts the rows into the decoded image (pass by pass for Adam7).
// Inflating goes into a buffer of whole rows; the input of every chunk is used in place.
//
// The zlib stream is inflated to its end, through as many IDAT chunks as it takes, so that its
// Adler-32 is always checked; output after the last row is dropped.
//
// Errors: a following chunk that is not IDAT while rows or the end of the zlib stream are missing
// (EPNGMissingMultipleIDAT), a zlib stream that ends before the last row (EPNGMissingMultipleIDAT),
// invalid compressed data or a wrong Adler-32 (EPNGZLIBError), an unknown filter type (EPNGInvalidFilter), a
// palette image without a palette (EPNGInvalidPalette), and the framing errors of every chunk.

#include <cstdint>

#include "picture/chunk.h"

// data and length: the first IDAT chunk's data, its CRC already checked; the stream stands after
// it. Creates the decoded image in the header chunk.
void ReadImageData(TPNGState& state, TByteReader& stream, const uint8_t* data, uint32_t length);
