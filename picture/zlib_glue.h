#pragma once
// zlib behind small RAII wrappers: CRC-32 of chunks, streaming inflate and deflate, and inflating
// a whole buffer under a size cap. Every zlib failure becomes EPNGZLIBError with zlib's code, but
// for running out of memory: zlib allocates through the program's operator new, and its failing
// to is EPNGOutMemory.

#include <cstddef>
#include <cstdint>
#include <string>

#include <zlib.h>

// CRC-32 of a chunk: over the four name bytes, then the data.
uint32_t ChunkCrc(const char* name, const uint8_t* data, size_t size);

// Inflates a zlib stream. The stream's Adler-32 is checked here rather than by zlib, with the
// faster sum of adler32.h: zlib reads the header and the trailer, and the trailer is kept as the
// last four bytes it took.
class TInflater {
  public:
    TInflater();
    ~TInflater();
    TInflater(const TInflater&) = delete;
    TInflater& operator=(const TInflater&) = delete;

    // Inflates from in/inSize into out/outSize, advancing both; answers true once the zlib stream
    // has ended and its Adler-32 matched. Input is handed to zlib in blocks of at most 65535 bytes.
    bool Inflate(const uint8_t*& in, size_t& inSize, uint8_t*& out, size_t& outSize);

  private:
    z_stream stream_{};
    uint32_t check_ = 1;
    uint32_t lastFour_ = 0;
};

class TDeflater {
  public:
    explicit TDeflater(int level);
    ~TDeflater();
    TDeflater(const TDeflater&) = delete;
    TDeflater& operator=(const TDeflater&) = delete;

    // Compresses in (all of it, or finishes the stream with finish) into out/outSize, advancing
    // them; answers true once a finishing call has written everything.
    bool Deflate(const uint8_t*& in, size_t& inSize, uint8_t*& out, size_t& outSize, bool finish);

  private:
    z_stream stream_{};
};

// Inflates a complete zlib stream into text; answers false, as soon as it knows, when the result
// would exceed limit bytes. Throws EPNGZLIBError when the data is invalid or ends early.
bool InflateLimited(const uint8_t* data, size_t size, size_t limit, std::string& text);
