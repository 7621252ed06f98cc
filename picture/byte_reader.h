#pragma once
// A read cursor over bytes held in memory, the big-endian integers of the PNG format and the
// little-endian ones of the platform's bitmap and icon files.

#include <cstddef>
#include <cstdint>
#include <vector>

class TByteReader {
  public:
    TByteReader(const uint8_t* data, size_t size) : data_(data), remaining_(size) {}

    size_t Remaining() const { return remaining_; }

    // The next n bytes, or nullptr (and the cursor unmoved) when fewer remain.
    const uint8_t* Take(size_t n) {
        if (n > remaining_)
            return nullptr;
        const uint8_t* p = data_;
        data_ += n;
        remaining_ -= n;
        return p;
    }

  private:
    const uint8_t* data_;
    size_t remaining_;
};

inline uint32_t LoadU32BE(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

inline uint16_t LoadU16BE(const uint8_t* p) {
    return uint16_t(p[0] << 8 | p[1]);
}

inline uint32_t LoadU32LE(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline uint16_t LoadU16LE(const uint8_t* p) {
    return uint16_t(p[0] | p[1] << 8);
}

inline void AppendU32BE(std::vector<uint8_t>& out, uint32_t v) {
    const uint8_t bytes[4] = {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
    out.insert(out.end(), bytes, bytes + 4);
}
