#pragma once
// The PNG row filters (type 0 None, 1 Sub, 2 Up, 3 Average, 4 Paeth). Rows are the bytes after
// the filter type byte; bpp is the number of bytes of one complete pixel, at least 1.

#include <cstddef>
#include <cstdint>

// Reverses a row's filter into out; prev is the previous reconstructed row of the same pass (all
// zero for its first row). Throws EPNGInvalidFilter for a filter type above 4.
void UnfilterRow(uint8_t filterType, const uint8_t* in, const uint8_t* prev, uint8_t* out, size_t length,
                 size_t bpp);

// Applies the Sub filter: out[i] = row[i] - row[i - bpp].
void SubFilterRow(const uint8_t* row, uint8_t* out, size_t length, size_t bpp);
