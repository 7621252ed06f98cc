#pragma once
// The PNG row filters (type 0 None, 1 Sub, 2 Up, 3 Average, 4 Paeth). Rows are the bytes after
// the filter type byte; bpp is the number of bytes of one complete pixel, at least 1.

#include <cstddef>
#include <cstdint>

// Reverses a row's filter into out; prev is the previous reconstructed row of the same pass (all
// zero for its first row). Throws EPNGInvalidFilter for a filter type above 4.
void UnfilterRow(uint8_t filterType, const uint8_t* in, const uint8_t* prev, uint8_t* out, size_t length,
                 size_t bpp);

// The same for a row of 8-bit RGB pixels written straight into the display layout: prevBgr is the
// previous row as stored there (blue, green, red; all zero for the first row) and the row goes to
// bgr in that order. For pictures whose samples are shown unchanged this replaces UnfilterRow and
// the copy into the bitmap, one pass over the row instead of two.
void UnfilterRowToBGR(uint8_t filterType, const uint8_t* in, const uint8_t* prevBgr, uint8_t* bgr,
                      size_t pixels);

// Applies the Sub filter: out[i] = row[i] - row[i - bpp].
void SubFilterRow(const uint8_t* row, uint8_t* out, size_t length, size_t bpp);
