#include "picture/png_filters.h"

#include <cstdlib>
#include <cstring>

#include "picture/png_errors.h"
#include "picture/png_types.h"

#if defined(__SSE2__)
#include <cpuid.h>
#include <tmmintrin.h>
#endif

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

// The filters that look left (1 Sub, 3 Average, 4 Paeth) with the pixel size a constant: the
// optimiser then keeps the left neighbours in registers instead of reloading each byte it has just
// stored Bpp places back.
template <size_t Bpp>
void UnfilterLeft(uint8_t filterType, const uint8_t* in, const uint8_t* prev, uint8_t* out, size_t length) {
    const size_t lead = Bpp < length ? Bpp : length;
    switch (filterType) {
    case ftSub:
        std::memcpy(out, in, lead);
        for (size_t i = Bpp; i < length; ++i)
            out[i] = uint8_t(in[i] + out[i - Bpp]);
        return;
    case ftAverage:
        for (size_t i = 0; i < lead; ++i)
            out[i] = uint8_t(in[i] + (prev[i] >> 1));
        for (size_t i = Bpp; i < length; ++i)
            out[i] = uint8_t(in[i] + ((out[i - Bpp] + prev[i]) >> 1));
        return;
    default:
        for (size_t i = 0; i < lead; ++i)
            out[i] = uint8_t(in[i] + prev[i]);
        for (size_t i = Bpp; i < length; ++i)
            out[i] = uint8_t(in[i] + Paeth(out[i - Bpp], prev[i], prev[i - Bpp]));
        return;
    }
}

// One channel's prediction from its left (a), upper (b) and upper-left (c) neighbours.
template <int Filter>
inline uint8_t Predict(uint8_t a, uint8_t b, uint8_t c) {
    switch (Filter) {
    case ftNone:
        return 0;
    case ftSub:
        return a;
    case ftUp:
        return b;
    case ftAverage:
        return uint8_t((a + b) >> 1);
    default:
        return Paeth(a, b, c);
    }
}

#if defined(__SSE2__)
// Asked of the processor once: the runtime library's own feature query would add kilobytes.
bool HasByteShuffle() {
    static const bool has = [] {
        unsigned a, b, c, d;
        return __get_cpuid(1, &a, &b, &c, &d) && (c & bit_SSSE3) != 0;
    }();
    return has;
}

// Filters None, Sub and Up five pixels a 16-byte step, where the processor shuffles bytes (SSSE3):
// Sub's running sums take three shifted adds within a step, plus the sum carried from the steps
// before. A step reads and writes 16 bytes, one past its five pixels, so the row's last pixel is
// left to the loop by pixel. Answers the pixels done.
template <int Filter>
__attribute__((target("ssse3"))) size_t UnfilterToBGRBySteps(const uint8_t* in, const uint8_t* prev,
                                                             uint8_t* out, size_t pixels) {
    const __m128i toBGR = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    const __m128i lastPixel = _mm_setr_epi8(12, 13, 14, 12, 13, 14, 12, 13, 14, 12, 13, 14, 12, 13, 14, 12);
    __m128i carry = _mm_setzero_si128();
    size_t i = 0;
    for (; i + 6 <= pixels; i += 5) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * i));
        if constexpr (Filter == 1) {
            v = _mm_add_epi8(v, _mm_slli_si128(v, 3));
            v = _mm_add_epi8(v, _mm_slli_si128(v, 6));
            v = _mm_add_epi8(v, _mm_slli_si128(v, 12));
            const __m128i stepSum = _mm_shuffle_epi8(v, lastPixel);
            v = _mm_add_epi8(v, carry);
            carry = _mm_add_epi8(carry, stepSum);
        }
        v = _mm_shuffle_epi8(v, toBGR);
        if constexpr (Filter == 2)
            v = _mm_add_epi8(v, _mm_loadu_si128(reinterpret_cast<const __m128i*>(prev + 3 * i)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 3 * i), v);
    }
    return i;
}
#endif

// The neighbours stay in registers: the left pixel is the one just made, the upper pixels are
// read from the previous bitmap line in its blue-green-red order.
template <int Filter>
void UnfilterToBGR(const uint8_t* in, const uint8_t* prev, uint8_t* out, size_t pixels) {
    size_t i = 0;
#if defined(__SSE2__)
    if constexpr (Filter <= 2) {
        if (HasByteShuffle())
            i = UnfilterToBGRBySteps<Filter>(in, prev, out, pixels);
    }
#endif
    uint8_t r = 0, g = 0, b = 0, ur = 0, ug = 0, ub = 0;
    if (i > 0) {
        b = out[3 * i - 3], g = out[3 * i - 2], r = out[3 * i - 1];
        ub = prev[3 * i - 3], ug = prev[3 * i - 2], ur = prev[3 * i - 1];
    }
    for (in += 3 * i, prev += 3 * i, out += 3 * i; i < pixels; ++i, in += 3, prev += 3, out += 3) {
        const uint8_t pr = prev[2], pg = prev[1], pb = prev[0];
        r = uint8_t(in[0] + Predict<Filter>(r, pr, ur));
        g = uint8_t(in[1] + Predict<Filter>(g, pg, ug));
        b = uint8_t(in[2] + Predict<Filter>(b, pb, ub));
        out[0] = b;
        out[1] = g;
        out[2] = r;
        ur = pr, ug = pg, ub = pb;
    }
}

} // namespace

void UnfilterRowToBGR(uint8_t filterType, const uint8_t* in, const uint8_t* prevBgr, uint8_t* bgr,
                      size_t pixels) {
    switch (filterType) {
    case ftNone:
        return UnfilterToBGR<ftNone>(in, prevBgr, bgr, pixels);
    case ftSub:
        return UnfilterToBGR<ftSub>(in, prevBgr, bgr, pixels);
    case ftUp:
        return UnfilterToBGR<ftUp>(in, prevBgr, bgr, pixels);
    case ftAverage:
        return UnfilterToBGR<ftAverage>(in, prevBgr, bgr, pixels);
    case ftPaeth:
        return UnfilterToBGR<ftPaeth>(in, prevBgr, bgr, pixels);
    default:
        throw EPNGInvalidFilter();
    }
}

void UnfilterRow(uint8_t filterType, const uint8_t* in, const uint8_t* prev, uint8_t* out, size_t length,
                 size_t bpp) {
    switch (filterType) {
    case ftNone:
        std::memcpy(out, in, length);
        return;
    case ftUp:
        for (size_t i = 0; i < length; ++i)
            out[i] = uint8_t(in[i] + prev[i]);
        return;
    case ftSub:
    case ftAverage:
    case ftPaeth:
        switch (bpp) {
        case 1:
            return UnfilterLeft<1>(filterType, in, prev, out, length);
        case 2:
            return UnfilterLeft<2>(filterType, in, prev, out, length);
        case 3:
            return UnfilterLeft<3>(filterType, in, prev, out, length);
        case 4:
            return UnfilterLeft<4>(filterType, in, prev, out, length);
        case 6:
            return UnfilterLeft<6>(filterType, in, prev, out, length);
        default:
            return UnfilterLeft<8>(filterType, in, prev, out, length);
        }
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
