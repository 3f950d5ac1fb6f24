#include "core/sine_table.h"

#include <gtest/gtest.h>

namespace vorrith {
namespace {

TEST(SineTableTest, KnownEntriesAndSymmetry) {
    BuildSineTable();
    EXPECT_EQ(TableSin(0), 0);
    EXPECT_EQ(TableSin(256), 23170);
    EXPECT_EQ(TableSin(512), 32768);
    EXPECT_EQ(TableSin(1536), -32768);
    EXPECT_EQ(TableCos(0), 32768);
    EXPECT_EQ(TableCos(1024), -32768);
    EXPECT_EQ(TableSin(2048 + 5), 503);
    EXPECT_EQ(TableSin(-5), -503);
    const int firstEntries[] = {101, 201, 302, 402, 503, 603, 704};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(SineTable[i], firstEntries[i - 1]) << i;
    for (int i = 0; i < 1024; ++i) EXPECT_EQ(SineTable[i + 1024], -SineTable[i]) << i;
    for (int i = 1; i < 512; ++i) EXPECT_EQ(SineTable[1024 - i], SineTable[i]) << i;
}

}  // namespace
}  // namespace vorrith
