#include "layers/ground/table_remainder.h"

#include <gtest/gtest.h>

#include "core/simd.h"

namespace vorrith {
namespace {

// Every rand() result against the hardware remainder, for the divisors the layers use
// (3, dither widths of a few hundred) and the ends of the range the bound allows.
TEST(TableRemainderTest, MatchesTheDivisionForEveryRandResult) {
    for (const int divisor : {2, 3, 5, 7, 255, 256, 512, 768, 1024, 1500, 2047, 32767, 32768, 65521, 131071}) {
        ASSERT_TRUE(TableRemainder::Fits(divisor)) << divisor;
        const TableRemainder remainder(divisor);
        for (int32_t u = 0; u <= 32767; ++u) ASSERT_EQ(remainder.OfRandResult(u), u % divisor) << u << " % " << divisor;
    }
}

#if defined(VORRITH_SSE2)
// The four-lane form, every lane against the division (lanes 1 and 3 take the odd
// multiplies, so each rand() result passes through every lane).
TEST(TableRemainderTest, FourLanesMatchTheDivision) {
    for (const int divisor : {2, 3, 256, 768, 1500, 2047, 65521, 131071}) {
        const TableRemainder remainder(divisor);
        for (int32_t u = 0; u <= 32767; ++u) {
            alignas(16) int32_t lanes[4] = {u, (u + 1) & 32767, (u + 2) & 32767, 32767 - u};
            _mm_store_si128(reinterpret_cast<__m128i*>(lanes), remainder.OfRandResults(_mm_load_si128(reinterpret_cast<const __m128i*>(lanes))));
            ASSERT_EQ(lanes[0], u % divisor) << u;
            ASSERT_EQ(lanes[1], ((u + 1) & 32767) % divisor) << u;
            ASSERT_EQ(lanes[2], ((u + 2) & 32767) % divisor) << u;
            ASSERT_EQ(lanes[3], (32767 - u) % divisor) << u;
        }
    }
}
#endif

TEST(TableRemainderTest, OtherValuesAndDivisorsFallBackToTheDivision) {
    EXPECT_FALSE(TableRemainder::Fits(1)) << "2^32 + 1 does not fit the reciprocal";
    EXPECT_FALSE(TableRemainder::Fits(0));
    EXPECT_FALSE(TableRemainder::Fits(-3));
    EXPECT_FALSE(TableRemainder::Fits(1 << 17));
    const TableRemainder remainder(768);
    for (const int32_t value : {-1, -769, -32768, 32768, 40000, 2147483647, -2147483647 - 1}) {
        EXPECT_FALSE(TableRemainder::IsRandResult(value)) << value;
        EXPECT_EQ(remainder.Of(value), value % 768) << value;
    }
}

TEST(TableRemainderTest, TableCheckSeesAnyValueOutsideTheRandRange) {
    FillRandomTable();
    EXPECT_TRUE(RandomTableHoldsRandResults());
    const int32_t kept = RandomTable[9000];
    RandomTable[9000] = -5;
    EXPECT_FALSE(RandomTableHoldsRandResults());
    RandomTable[9000] = 32768;
    EXPECT_FALSE(RandomTableHoldsRandResults());
    RandomTable[9000] = kept;
}

}  // namespace
}  // namespace vorrith
