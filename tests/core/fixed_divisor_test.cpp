#include "core/fixed_divisor.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace vorrith {
namespace {

bool Exact(const FixedDivisor& fast, int n, int divisor) {
    return fast.Quotient(n) == n / divisor && fast.Remainder(n) == n % divisor &&
           fast.TruncatedQuotient(-n) == -n / divisor && fast.TruncatedRemainder(-n) == -n % divisor;
}

// Every rand() draw value against one divisor; reports the first mismatch only.
void ExpectExactForAllDraws(int divisor) {
    const FixedDivisor fast(divisor);
    for (int draw = 0; draw <= 32767; ++draw) {
        if (!Exact(fast, draw, divisor)) {
            ADD_FAILURE() << draw << " by " << divisor << ": " << fast.Quotient(draw) << " r " << fast.Remainder(draw);
            return;
        }
    }
}

TEST(FixedDivisorTest, MatchesDivisionForSmallDivisorsAndEveryDraw) {
    for (int divisor = 1; divisor <= 1100; ++divisor) ExpectExactForAllDraws(divisor);
    for (int divisor :
         {1536, 2048, 3071, 4095, 9999, 14999, 16383, 16384, 16385, 24575, 32766, 32767, 32768, 65521, 131071}) {
        ExpectExactForAllDraws(divisor);
    }
}

// Numerators where a quotient changes (multiples of the divisor and their neighbours)
// up to the top of the range, for divisors of every size including powers of two.
TEST(FixedDivisorTest, MatchesDivisionAtQuotientStepsUpToTheLargestNumerator) {
    std::vector<int> divisors = {1,       2,         3,          5,          7,          255,     256,
                                 257,     1000,      65535,      65536,      65537,      8388607, 8388608,
                                 8392706, 123456789, 1073741823, 1073741824, 1073741825, INT_MAX};
    for (int shift = 0; shift < 31; ++shift) divisors.push_back((1 << shift) + 1);
    for (int divisor : divisors) {
        const FixedDivisor fast(divisor);
        for (int64_t k = INT_MAX / divisor; k >= 0 && k > INT_MAX / divisor - 2000; --k) {
            for (int64_t delta = -1; delta <= 1; ++delta) {
                const int64_t n = k * divisor + delta;
                if (n < 0 || n > INT_MAX) continue;
                ASSERT_TRUE(Exact(fast, static_cast<int>(n), divisor)) << n << " by " << divisor;
            }
        }
        for (int n : {0, 1, INT_MAX, INT_MAX - 1}) ASSERT_TRUE(Exact(fast, n, divisor)) << n << " by " << divisor;
    }
}

#if defined(VORRITH_SSE2)
// The four-lane form against the division: each draw passes through every lane (lanes
// 1 and 3 take the odd multiplies), and so do values near the top of the range.
TEST(FixedDivisorTest, FourLanesMatchTheDivision) {
    for (const int divisor : {1, 2, 3, 256, 768, 1500, 2047, 65521, 131071, INT_MAX}) {
        const FixedDivisor fast(divisor);
        for (int32_t u = 0; u <= 32767; ++u) {
            alignas(16) int32_t lanes[4] = {u, (u + 1) & 32767, INT_MAX - u, 32767 - u};
            const int32_t values[4] = {lanes[0], lanes[1], lanes[2], lanes[3]};
            _mm_store_si128(reinterpret_cast<__m128i*>(lanes),
                            fast.Remainders(_mm_load_si128(reinterpret_cast<const __m128i*>(lanes))));
            for (int k = 0; k < 4; ++k) ASSERT_EQ(lanes[k], values[k] % divisor) << values[k] << " % " << divisor;
        }
    }
}
#endif

}  // namespace
}  // namespace vorrith
