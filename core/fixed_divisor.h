// FixedDivisor: a divisor fixed over many divisions (a picture's constant, a sprite's
// radius, the width a dither spreads a draw over), dividing by a multiply and a shift
// instead of a hardware division. Every layer takes such quotients and remainders here.
//
// Quotient(n) and Remainder(n) equal n / d and n % d exactly for every n in
// 0 ... 2^31 - 1 and every divisor d in 1 ... 2^31 - 1: with 2^(l-1) < d <= 2^l, the
// reciprocal 2^(31 + l) / d is rounded up (it stays below 2^32), and its excess, below
// n / 2^(31 + l) < 2^-l, never reaches the 1 / d that separates a quotient from the next.
// TruncatedQuotient(n) and TruncatedRemainder(n) are n / d and n % d for any n above
// -2^31 (rounding toward zero, as C++ divides).
// With SSE2, Remainders(values) is Remainder of four values 0 ... 2^31 - 1 at once.
#pragma once

#include <cstdint>

#include "core/simd.h"

#if defined(VORRITH_SSE2)
#include <emmintrin.h>
#endif
#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

namespace vorrith {

class FixedDivisor {
public:
    explicit FixedDivisor(int divisor)
        : divisor_(divisor),
          shift_(31 + CeilLog2(divisor)),
          reciprocal_(static_cast<uint32_t>((uint64_t{1} << shift_) / static_cast<uint64_t>(divisor) + 1)) {}

    int Quotient(int n) const { return static_cast<int>((uint64_t{static_cast<uint32_t>(n)} * reciprocal_) >> shift_); }
    int Remainder(int n) const { return n - Quotient(n) * divisor_; }
    int TruncatedQuotient(int n) const { return n < 0 ? -Quotient(-n) : Quotient(n); }
    int TruncatedRemainder(int n) const { return n - TruncatedQuotient(n) * divisor_; }

#if defined(VORRITH_SSE2) && defined(__wasm_simd128__)
    // Compiled to WebAssembly, the 64-bit lane shift by a variable count above comes
    // apart into single lanes and the 64-bit lane multiply is slow: here the quotients
    // are the high words of the widening products, shifted in 32-bit lanes (the shift
    // is 32 or more for every divisor above 1).
    __m128i Remainders(__m128i values) const {
        if (divisor_ == 1) return _mm_setzero_si128();
        const v128_t reciprocal = wasm_i32x4_splat(static_cast<int32_t>(reciprocal_));
        const v128_t low = wasm_u64x2_extmul_low_u32x4(values, reciprocal);
        const v128_t high = wasm_u64x2_extmul_high_u32x4(values, reciprocal);
        const v128_t quotients = wasm_u32x4_shr(wasm_i32x4_shuffle(low, high, 1, 3, 5, 7), shift_ - 32);
        return wasm_i32x4_sub(values, wasm_i32x4_mul(quotients, wasm_i32x4_splat(divisor_)));
    }
#elif defined(VORRITH_SSE2)
    // Two lanes per unsigned 32 x 32 multiply; each quotient times the divisor is at most
    // its value, so the low word of that product is exact.
    __m128i Remainders(__m128i values) const {
        const __m128i reciprocal = _mm_set1_epi32(static_cast<int>(reciprocal_));
        const __m128i divisor = _mm_set1_epi32(divisor_);
        const __m128i shift = _mm_cvtsi32_si128(shift_);
        const __m128i evenQuotients = _mm_srl_epi64(_mm_mul_epu32(values, reciprocal), shift);
        const __m128i oddQuotients = _mm_srl_epi64(_mm_mul_epu32(_mm_srli_epi64(values, 32), reciprocal), shift);
        const __m128i products = _mm_or_si128(_mm_mul_epu32(evenQuotients, divisor),
                                              _mm_slli_epi64(_mm_mul_epu32(oddQuotients, divisor), 32));
        return _mm_sub_epi32(values, products);
    }
#endif

private:
    static int CeilLog2(int d) {
        int l = 0;
        while ((int64_t{1} << l) < d) ++l;
        return l;
    }

    int divisor_;
    int shift_;
    uint32_t reciprocal_;
};

}  // namespace vorrith
