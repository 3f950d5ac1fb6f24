#include "layers/ground/relief.h"

#include <gtest/gtest.h>

#include <vector>

#include "layers/ground/stretch_levels.h"
#include "tests/layers/ground/ground_test_support.h"

namespace vorrith {
namespace {

TEST(StretchLevelsTest, ConstantMapBecomesMidHeight) {
    std::vector<uint8_t> map(4096, 77);
    StretchLevels(map.data(), 4096, 0, 255);
    for (uint8_t v : map) ASSERT_EQ(v, 128);
}

TEST(StretchLevelsTest, RangeIsStretchedLinearlyTruncating) {
    std::vector<uint8_t> map = {10, 20, 30, 15};
    StretchLevels(map.data(), 4, 0, 255);
    EXPECT_EQ(map, (std::vector<uint8_t>{0, 127, 255, 63}));
    std::vector<uint8_t> narrow = {0, 255, 128};
    StretchLevels(narrow.data(), 3, 100, 110);
    EXPECT_EQ(narrow, (std::vector<uint8_t>{100, 110, 105}));
}

// A constant height map stretches to 128 everywhere, which must leave colours as they are.
TEST(ReliefShadeTest, MidHeightLeavesColoursUnchanged) {
    for (int b = 0; b < 256; ++b) ASSERT_EQ(ReliefShade(b, 128), b);
}

TEST(ReliefShadeTest, HigherTerrainBrightensAndLowerDarkens) {
    EXPECT_EQ(ReliefShade(100, 255), 100 + ((155 * 127) >> 8));
    EXPECT_EQ(ReliefShade(255, 255), 255);
    EXPECT_EQ(ReliefShade(100, 0), 50);
    EXPECT_EQ(ReliefShade(0, 200), (255 * 72) >> 8);
}

class ReliefTest : public CanvasTest {};

// Rows painted at or above the horizon take the horizon's colours, never the sky's: with
// a pure blue sky and a ground without blue, shading keeps every painted pixel's blue
// at most its red (brightening lifts all bytes alike toward 255). Only a column's top
// pixel mixes with the colour that was above it.
TEST_F(ReliefTest, TerrainOverTheHorizonTakesGroundColoursNeverTheSky) {
    PrepareGround(330, 0);
    FillCanvas(0x000000FF);
    for (int y = 330; y < 480; ++y) Canvas.FillSpan(0, 639, y, 0x00408000);
    DrawRelief();
    int paintedAbove = 0;
    for (int x = 0; x < 640; ++x) {
        int y = 0;
        while (Canvas.GetPixel(x, y) == 0x000000FFu) ++y;
        paintedAbove += 330 - y;
        for (++y; y < 480; ++y) {
            const uint32_t c = Canvas.GetPixel(x, y);
            ASSERT_LE(BlueOf(c), RedOf(c)) << x << "," << y;
        }
    }
    EXPECT_GT(paintedAbove, 640) << "the terrain rises over the horizon";
}
}  // namespace
}  // namespace vorrith
