#pragma once
// Integer scaling with the platform's rounding: a * b / c, rounded to the nearest integer with
// halves away from zero, computed in 64 bits. Like the platform's MulDiv it answers -1 when c is
// zero or the result does not fit in 32 bits.

#include <cstdint>

constexpr int MulDivRound(int a, int b, int c) {
    if (c == 0)
        return -1;
    const int64_t product = int64_t(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const uint64_t num = product < 0 ? uint64_t(-product) : uint64_t(product);
    const uint64_t den = c < 0 ? uint64_t(-int64_t(c)) : uint64_t(c);
    const uint64_t q = (num + den / 2) / den;
    if (q > uint64_t(INT32_MAX) + (negative ? 1 : 0))
        return -1;
    return negative ? int(-int64_t(q)) : int(q);
}
