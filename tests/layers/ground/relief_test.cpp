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

TEST_F(ReliefTest, PaintsOnlyGroundColoursAndDrawsOncePerRowAboveTheHorizon) {
    PrepareGround(330, 0);
    FillCanvas(0x000000FF);                              // sky: pure blue
    for (int y = 330; y < 480; ++y) canvas.FillSpan(0, 639, y, 0x00408000);  // ground: no blue at all
    DrawRelief();
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const uint32_t c = canvas.GetPixel(x, y);
            if (c == 0x000000FFu) continue;  // sky left alone
            // Painted rows take ground colours; only a column's top pixel mixes with the sky.
            const bool topBlend = y == 0 || canvas.GetPixel(x, y - 1) == 0x000000FFu;
            if (!topBlend) {
                ASSERT_EQ(BlueOf(c), 0) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace vorrith
