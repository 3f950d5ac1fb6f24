#include "layers/sky/brighten_burst.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/random.h"
#include "tests/layers/sky/sky_layer_fixture.h"

namespace vorrith {
namespace {

constexpr int kRaysPerCircle = 103;

class BrightenBurstTest : public SkyLayerTest {
protected:
    void SetUp() override {
        SkyLayerTest::SetUp();
        PlanOver(0, MakeColour(1, 1, 1));
        Plan.horizonRow = 300;
        srand(777);
    }
    // The farthest squared distance from (x, y) of a changed pixel.
    static int ReachSquared(int x, int y) {
        int reach = -1;
        for (int py = 0; py < Canvas.height; ++py)
            for (int px = 0; px < Canvas.width; ++px)
                if (Canvas.GetPixel(px, py) != 0x010101)
                    reach = std::max(reach, (px - x) * (px - x) + (py - y) * (py - y));
        return reach;
    }
};

TEST_F(BrightenBurstTest, WideBurstRunsInPassesThatNeverReachAnUnevenRest) {
    Plan.sunX = 639;  // 639 mod 4 = 3: passes end at 4, 8, 12 and 16
    const int32_t cursor = RandomCursor;
    BrightenBurst(200, 150, 0, 17, 512);
    const int points = kRaysPerCircle * (5 + 9 + 13 + 17);
    EXPECT_EQ(RandomState(), StateAfterDraws(777, points));
    EXPECT_EQ(RandomCursor, cursor + 4 * points);
    EXPECT_LE(ReachSquared(200, 150), 16 * 16);
    EXPECT_EQ(PixelRgb(200, 150), (Rgb{255, 255, 255}));  // the centre is hit in every pass
}

TEST_F(BrightenBurstTest, SinglePassReachesTheOuterRadius) {
    Plan.sunX = 636;  // 636 mod 4 = 0: one pass from 0 to 17
    BrightenBurst(200, 150, 0, 17, 512);
    EXPECT_EQ(RandomState(), StateAfterDraws(777, kRaysPerCircle * 18));
    EXPECT_GT(ReachSquared(200, 150), 16 * 16);
    EXPECT_LE(ReachSquared(200, 150), 17 * 17);
}

TEST_F(BrightenBurstTest, InnerRadiusLeavesTheMiddleAlone) {
    BrightenBurst(200, 150, 6, 10, 512);  // narrow burst: one pass whatever sunX
    EXPECT_EQ(RandomState(), StateAfterDraws(777, kRaysPerCircle * 5));
    EXPECT_EQ(PixelRgb(200, 150), (Rgb{1, 1, 1}));
    EXPECT_EQ(PixelRgb(203, 151), (Rgb{1, 1, 1}));
}

TEST_F(BrightenBurstTest, BlackSkyStaysBlackButTheCursorStillMoves) {
    PlanOver(0, 0);
    Plan.horizonRow = 300;
    const uint64_t black = CanvasHash();
    const int32_t cursor = RandomCursor;
    BrightenBurst(100, 100, 0, 5, 270);
    EXPECT_EQ(CanvasHash(), black);
    EXPECT_EQ(RandomCursor, cursor + 4 * kRaysPerCircle * 6);
}

TEST_F(BrightenBurstTest, StaysAboveTheHorizonAndInsideTheColumns) {
    BrightenBurst(0, 299, 0, 12, 512);
    BrightenBurst(639, 5, 0, 12, 512);
    BrightenBurst(-30, -30, 0, 12, 512);  // wholly off the canvas: nothing, no stray write
    for (int x = 0; x < Canvas.width; ++x) EXPECT_EQ(PixelRgb(x, 300), (Rgb{1, 1, 1})) << x;
    EXPECT_NE(Canvas.GetPixel(0, 299), 0x010101u);
    EXPECT_NE(Canvas.GetPixel(639, 5), 0x010101u);
}

TEST_F(BrightenBurstTest, ZeroRadiusDrawsNothingAndEnds) {
    const uint64_t before = CanvasHash();
    BrightenBurst(100, 100, 0, 0, 512);
    EXPECT_EQ(CanvasHash(), before);
    EXPECT_EQ(RandomState(), StateAfterDraws(777, 0));
}

}  // namespace
}  // namespace vorrith
