#include "layers/ground/crater_rows.h"

#include <gtest/gtest.h>

#include "tests/layers/ground/ground_test_support.h"

namespace vorrith {
namespace {

class CraterRowsTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        FillCanvas(0x00808080);
    }
};

TEST_F(CraterRowsTest, RowsWithoutCratersReadOnlyTheirCount) {
    PrepareGround(350, 8);  // every count value is 8, so 0 craters in every row
    uint32_t state = RandomState();
    const int rows = static_cast<int>(((StateAfterDraws(state, 1) >> 16) & 0x7FFF) % 3 + 3);
    DrawCraterRows();
    EXPECT_EQ(RandomState(), StateAfterDraws(state, 1));
    EXPECT_EQ(RandomCursor, rows);
    EXPECT_EQ(CountPixelsNot(0x00808080), 0);
}

TEST_F(CraterRowsTest, CratersBelowThreeRowsDrawAndReadNothing) {
    PrepareGround(350, 0);
    const uint32_t state = RandomState();
    for (int size : {-4, 0, 1, 2}) DrawCrater(size, 320, 400, true);
    EXPECT_EQ(RandomCursor, 0);
    EXPECT_EQ(RandomState(), state);
    EXPECT_EQ(CountPixelsNot(0x00808080), 0);
}

TEST_F(CraterRowsTest, CratersStayInTheGroundRows) {
    PrepareGround(350, 1);
    for (int size = 3; size < 40; size += 6) DrawCrater(size, 320, 352, true);
    EXPECT_EQ(RandomCursor, 7);
    EXPECT_GT(CountPixelsNot(0x00808080), 0);
    for (int y = 0; y < 350; ++y) {
        for (int x = 0; x < 640; ++x) ASSERT_EQ(Canvas.GetPixel(x, y), 0x00808080u) << x << "," << y;
    }
}

}  // namespace
}  // namespace vorrith
