#include "layers/ground/water_reflection.h"

#include <gtest/gtest.h>

#include "tests/layers/ground/ground_test_support.h"

namespace vorrith {
namespace {

class WaterReflectionTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        PrepareGround(300, 0);
        FillCanvas(0);
        SetPaletteEntry(132, 10, 20, 30);  // bytes in memory: blue 30, green 20, red 10
    }
};

TEST_F(WaterReflectionTest, FloorTakesEntry132Crosswise) {
    Plan.gradientSky = 0;
    const WaterFloor floor = WaterFloorColour();
    EXPECT_EQ(floor.byte[0], 10) << "pixel byte 0 (blue) is floored by the entry's red";
    EXPECT_EQ(floor.byte[1], 20);
    EXPECT_EQ(floor.byte[2], 30);
    Plan.gradientSky = 1;
    const WaterFloor none = WaterFloorColour();
    EXPECT_EQ(none.byte[0] + none.byte[1] + none.byte[2], 0);
}

// Under a black sky every mirrored pixel is the floor; the downward smear then averages
// each row with the one above, starting from the black horizon row.
TEST_F(WaterReflectionTest, BlackSkyMirrorsToTheFloorSmearedDownward) {
    Plan.gradientSky = 0;
    for (int i = 0; i < kRandomTableSize; ++i) RandomTable[i] = i * 31;
    const uint32_t state = RandomState();
    DrawWaterReflection();
    EXPECT_EQ(RandomState(), StateAfterDraws(state, 4));
    EXPECT_EQ(RandomCursor, 180 * 640);
    int expected[3] = {0, 0, 0};
    const int floor[3] = {10, 20, 30};
    for (int y = 300; y < 480; ++y) {
        for (int c = 0; c < 3; ++c) expected[c] = (expected[c] + floor[c]) >> 1;
        for (int x : {0, 321, 639}) {
            const uint8_t* p = Canvas.PixelAddress(x, y);
            ASSERT_EQ((Rgb{p[2], p[1], p[0]}), (Rgb{expected[2], expected[1], expected[0]})) << x << "," << y;
        }
    }
    EXPECT_EQ(Canvas.GetPixel(5, 299), 0u) << "the sky is only read";
}

TEST_F(WaterReflectionTest, GradientSkyMirrorsWithoutLifting) {
    Plan.gradientSky = 1;
    Canvas.FillSpan(0, 639, 0, 0x00FFFFFF);  // a white top row must not reach the water
    DrawWaterReflection();
    int lit = 0;
    for (int y = 300; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) lit += Canvas.GetPixel(x, y) != 0 ? 1 : 0;
    }
    // The deepest source row is 300 - 16 - 179 - 1 - 4 = 100 rows down at the least.
    EXPECT_EQ(lit, 0);
}

TEST_F(WaterReflectionTest, JitterNeverReadsTheWaterItself) {
    Plan.gradientSky = 1;
    for (int y = 300; y < 480; ++y) Canvas.FillSpan(0, 639, y, 0x00FFFFFF);
    Canvas.FillSpan(0, 639, 299, 0x00102030);
    for (int32_t& v : RandomTable) v = 0;  // jitter +3: the first rows would read water
    DrawWaterReflection();
    EXPECT_EQ(Canvas.GetPixel(10, 300), 0x00102030u) << "row 299 mirrored, then averaged with itself";
    for (int y = 300; y < 480; ++y) ASSERT_NE(Canvas.GetPixel(20, y), 0x00FFFFFFu) << y;
}

}  // namespace
}  // namespace vorrith
