#include "picture/adler32.h"

#include <zlib.h>

#if defined(__SSE2__)
#include <emmintrin.h>

#include <algorithm>

namespace {

constexpr uint32_t kBase = 65521;
// The most bytes whose sums stay within 32 bits before they are reduced modulo kBase; a multiple
// of 16.
constexpr size_t kMaxRun = 5552;

uint32_t LaneSum(__m128i v) {
    alignas(16) uint32_t lanes[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes), v);
    return lanes[0] + lanes[1] + lanes[2] + lanes[3];
}

} // namespace

// Over a run of n bytes b[0..n-1], s1 grows by their sum and s2 by n * s1 + sum of (n - i) * b[i].
// For 16-byte steps the weight n - i splits into 16 per later step, summed from the byte sums
// before each step, and 16 - (i mod 16) within the step.
uint32_t Adler32(uint32_t adler, const uint8_t* data, size_t size) {
    uint32_t s1 = adler & 0xFFFF;
    uint32_t s2 = adler >> 16;
    const __m128i zero = _mm_setzero_si128();
    const __m128i firstWeights = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
    const __m128i lastWeights = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
    while (size >= 16) {
        const size_t n = std::min(size, kMaxRun) & ~size_t(15);
        __m128i sums = zero;
        __m128i sumsBefore = zero;
        __m128i weighted = zero;
        for (size_t i = 0; i < n; i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
            sumsBefore = _mm_add_epi32(sumsBefore, sums);
            sums = _mm_add_epi32(sums, _mm_sad_epu8(v, zero));
            weighted = _mm_add_epi32(weighted, _mm_madd_epi16(_mm_unpacklo_epi8(v, zero), firstWeights));
            weighted = _mm_add_epi32(weighted, _mm_madd_epi16(_mm_unpackhi_epi8(v, zero), lastWeights));
        }
        // Exact in 32 bits: the true value is below 2^32 for runs of at most kMaxRun bytes.
        s2 += uint32_t(n) * s1 + 16 * LaneSum(sumsBefore) + LaneSum(weighted);
        s1 += LaneSum(sums);
        s1 %= kBase;
        s2 %= kBase;
        data += n;
        size -= n;
    }
    return uint32_t(adler32_z(s2 << 16 | s1, data, size));
}

#else

uint32_t Adler32(uint32_t adler, const uint8_t* data, size_t size) {
    return uint32_t(adler32_z(adler, data, size));
}

#endif
