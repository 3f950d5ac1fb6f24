// TableRemainder: value % divisor for table values, by a multiply instead of a hardware
// division, for a divisor fixed over a row or a band.
//
// The table values the ground layers divide are rand() results, 0 ... 32767. For such a
// value u and a divisor d in 2 ... 2^17 - 1, with m = 2^32 / d + 1 (rounded down, then
// up by one), u * m / 2^32 exceeds u / d by less than u / 2^32, which stays below the
// 1 / d that separates one quotient from the next because u * d < 2^32: the product's
// high word is the exact quotient.
//
// Fits(d) tells whether a divisor is in range (1 is not: its m would need 33 bits).
// Of(value) is value % divisor for any value, taking the multiply for 0 ... 32767 and
// the hardware division otherwise; OfRandResult(value) skips that check and must only
// be given 0 ... 32767; a layer that checked RandomTableHoldsRandResults() once may
// use it for every table value.
#pragma once

#include <algorithm>
#include <cstdint>

#include "core/random.h"
#include "core/simd.h"

#if defined(VORRITH_SSE2)
#include <emmintrin.h>
#endif

namespace vorrith {

class TableRemainder {
public:
    static bool Fits(int divisor) { return divisor > 1 && divisor < (1 << 17); }

    // divisor must Fit.
    explicit TableRemainder(int divisor)
        : divisor_(divisor), reciprocal_(static_cast<uint32_t>((uint64_t{1} << 32) / static_cast<uint32_t>(divisor) + 1)) {}

    int OfRandResult(int32_t value) const {
        const uint32_t u = static_cast<uint32_t>(value);
        const uint32_t quotient = static_cast<uint32_t>((uint64_t{u} * reciprocal_) >> 32);
        return static_cast<int>(u - quotient * static_cast<uint32_t>(divisor_));
    }
    int Of(int32_t value) const { return IsRandResult(value) ? OfRandResult(value) : value % divisor_; }

    static bool IsRandResult(int32_t value) { return value >= 0 && value <= 0x7FFF; }

#if defined(VORRITH_SSE2)
    // OfRandResult for four values at once, two lanes per unsigned 32 x 32 multiply;
    // q * d stays below 2^32, so its low word is exact.
    __m128i OfRandResults(__m128i values) const {
        const __m128i m = _mm_set1_epi32(static_cast<int>(reciprocal_));
        const __m128i d = _mm_set1_epi32(divisor_);
        const __m128i oddWords = _mm_set_epi32(-1, 0, -1, 0);
        const __m128i quotientsEven = _mm_srli_epi64(_mm_mul_epu32(values, m), 32);
        const __m128i quotientsOdd = _mm_mul_epu32(_mm_srli_epi64(values, 32), m);
        const __m128i q = _mm_or_si128(quotientsEven, _mm_and_si128(quotientsOdd, oddWords));
        const __m128i productsEven = _mm_andnot_si128(oddWords, _mm_mul_epu32(q, d));
        const __m128i productsOdd = _mm_slli_epi64(_mm_mul_epu32(_mm_srli_epi64(q, 32), d), 32);
        return _mm_sub_epi32(values, _mm_or_si128(productsEven, productsOdd));
    }
#endif

private:
    int divisor_;
    uint32_t reciprocal_;
};

// True when every table value is a rand() result, as FillRandomTable leaves them.
inline bool RandomTableHoldsRandResults() {
    return std::all_of(RandomTable, RandomTable + kRandomTableSize, TableRemainder::IsRandResult);
}

}  // namespace vorrith
