#pragma once
// The Adler-32 checksum of zlib streams, continued from adler (1 for a new stream) over size
// bytes. Where the processor has 16-byte vectors it sums 16 bytes a step, several times faster
// than zlib's own loop; elsewhere it is zlib's.

#include <cstddef>
#include <cstdint>

uint32_t Adler32(uint32_t adler, const uint8_t* data, size_t size);
