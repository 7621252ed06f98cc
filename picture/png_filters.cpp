#include "picture/png_filters.h"

#include <cstdlib>
#include <cstring>

#include "picture/png_errors.h"

namespace {

inline uint8_t Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return uint8_t(a);
    return uint8_t(pb <= pc ? b : c);
}

} // namespace

void UnfilterRow(uint8_t filterType, const uint8_t* in, const uint8_t* prev, uint8_t* out, size_t length,
                 size_t bpp) {
    const size_t lead = bpp < length ? bpp : length;
    switch (filterType) {
    case 0:
        std::memcpy(out, in, length);
        return;
    case 1:
        std::memcpy(out, in, lead);
        for (size_t i = bpp; i < length; ++i)
            out[i] = uint8_t(in[i] + out[i - bpp]);
        return;
    case 2:
        for (size_t i = 0; i < length; ++i)
            out[i] = uint8_t(in[i] + prev[i]);
        return;
    case 3:
        for (size_t i = 0; i < lead; ++i)
            out[i] = uint8_t(in[i] + (prev[i] >> 1));
        for (size_t i = bpp; i < length; ++i)
            out[i] = uint8_t(in[i] + ((out[i - bpp] + prev[i]) >> 1));
        return;
    case 4:
        for (size_t i = 0; i < lead; ++i)
            out[i] = uint8_t(in[i] + prev[i]);
        for (size_t i = bpp; i < length; ++i)
            out[i] = uint8_t(in[i] + Paeth(out[i - bpp], prev[i], prev[i - bpp]));
        return;
    default:
        throw EPNGInvalidFilter();
    }
}

void SubFilterRow(const uint8_t* row, uint8_t* out, size_t length, size_t bpp) {
    const size_t lead = bpp < length ? bpp : length;
    std::memcpy(out, row, lead);
    for (size_t i = bpp; i < length; ++i)
        out[i] = uint8_t(row[i] - row[i - bpp]);
}
