#include "core/draw_divisor.h"

#include <gtest/gtest.h>

namespace vorrith {
namespace {

// Every draw value against one divisor; reports the first mismatch only.
void ExpectExactForAllDraws(int divisor) {
    const DrawDivisor fast(divisor);
    for (int draw = 0; draw <= 32767; ++draw) {
        if (fast.Quotient(draw) != draw / divisor || fast.Remainder(draw) != draw % divisor) {
            ADD_FAILURE() << draw << " by " << divisor << ": " << fast.Quotient(draw) << " r "
                          << fast.Remainder(draw);
            return;
        }
    }
}

TEST(DrawDivisorTest, MatchesDivisionForSmallDivisorsAndEveryDraw) {
    for (int divisor = 1; divisor <= 1100; ++divisor) ExpectExactForAllDraws(divisor);
}

TEST(DrawDivisorTest, MatchesDivisionForLargeDivisorsUpToTheDrawRange) {
    for (int divisor : {1536, 2048, 3071, 4095, 9999, 14999, 16383, 16384, 16385, 24575, 32766, 32767, 32768}) {
        ExpectExactForAllDraws(divisor);
    }
}

}  // namespace
}  // namespace vorrith
