#include "core/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorrith {
namespace {

std::vector<int> FirstSix(uint32_t seed) {
    srand(seed);
    std::vector<int> values;
    for (int i = 0; i < 6; ++i) values.push_back(rand());
    return values;
}

TEST(RandomTest, GeneratorMatchesTheSystemSequence) {
    EXPECT_EQ(FirstSix(1), (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724}));
    EXPECT_EQ(FirstSix(0), (std::vector<int>{38, 7719, 21238, 2437, 8855, 11797}));
    EXPECT_EQ(FirstSix(12345), (std::vector<int>{7584, 19164, 25795, 22125, 5828, 23405}));
    srand(0xFFFFFFFFu);  // the full 32-bit seed is kept
    EXPECT_EQ(RandomState(), 0xFFFFFFFFu);
}

TEST(RandomTest, ImageNumberFromTicksRotatesFifteenBits) {
    EXPECT_EQ(ImageNumberFromTicks(74565), 5402);
    EXPECT_EQ(ImageNumberFromTicks(1000), 8223);
    EXPECT_EQ(ImageNumberFromTicks(32767), 32767);
    EXPECT_EQ(ImageNumberFromTicks(0xFFFFFFFFu), 32767);
}

TEST(RandomTest, TableReadsWrapButTheCursorDoesNot) {
    srand(7);
    FillRandomTable();
    EXPECT_EQ(RandomCursor, 0);
    const int first = RandomTable[0];
    EXPECT_EQ(NextRandomValue(), first);
    EXPECT_EQ(NextRandomValue(), RandomTable[1]);
    RandomCursor = kRandomTableSize;
    EXPECT_EQ(NextRandomValue(), first);
    EXPECT_EQ(RandomCursor, kRandomTableSize + 1);
    for (int i = 0; i < 100; ++i) {
        const int cursor = JumpRandomCursor();
        EXPECT_GE(cursor, 0);
        EXPECT_LT(cursor, kRandomTableSize);
    }
}

TEST(RandomTest, TableCheckSeesAnyValueOutsideTheRandRange) {
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
