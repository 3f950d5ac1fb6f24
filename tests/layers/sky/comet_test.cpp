#include "layers/sky/comet.h"

#include <gtest/gtest.h>

#include "core/random.h"
#include "tests/layers/sky/sky_layer_fixture.h"

namespace vorrith {
namespace {

class CometTest : public SkyLayerTest {
protected:
    void PlanGradientSky() {
        PlanOver(FindImage([](const ScenePlan& p) { return p.gradientSky; }), MakeColour(100, 80, 60));
    }
    // A seed whose first draw has the wanted parity.
    static uint32_t SeedWithFirstDraw(bool odd) {
        for (uint32_t seed = 1;; ++seed) {
            srand(seed);
            if (((rand() & 1) == 1) == odd) return seed;
        }
    }
};

TEST_F(CometTest, BlackSkyDrawsNothingAndTakesNoValue) {
    PlanOver(FindImage([](const ScenePlan& p) { return !p.gradientSky; }), MakeColour(100, 80, 60));
    const uint64_t before = CanvasHash();
    srand(SeedWithFirstDraw(true));
    const uint32_t state = RandomState();
    const int32_t cursor = RandomCursor;
    DrawComet();
    EXPECT_EQ(CanvasHash(), before);
    EXPECT_EQ(RandomState(), state);
    EXPECT_EQ(RandomCursor, cursor);
}

TEST_F(CometTest, EvenFirstDrawTakesOnlyThatValue) {
    PlanGradientSky();
    const uint64_t before = CanvasHash();
    const uint32_t seed = SeedWithFirstDraw(false);
    const int32_t cursor = RandomCursor;
    srand(seed);
    DrawComet();
    EXPECT_EQ(CanvasHash(), before);
    EXPECT_EQ(RandomState(), StateAfterDraws(seed, 1));
    EXPECT_EQ(RandomCursor, cursor);
}

TEST_F(CometTest, OddFirstDrawBrightensTheSkyOnly) {
    PlanGradientSky();
    const std::vector<uint8_t> before = Snapshot();
    const int32_t cursor = RandomCursor;
    srand(SeedWithFirstDraw(true));
    DrawComet();
    EXPECT_GT((RandomCursor - cursor) / 4, 103 * 15);  // at least the head's burst
    EXPECT_EQ((RandomCursor - cursor) % 4, 0);         // four positions per point, none read
    int brighter = 0;
    for (int y = 0; y < Canvas.height; ++y) {
        for (int x = 0; x < Canvas.width; ++x) {
            const size_t at = static_cast<size_t>(y) * Canvas.stride + 3 * x;
            for (int c = 0; c < 3; ++c) {
                ASSERT_GE(Canvas.pixels[at + c], before[at + c]) << x << "," << y;
                if (y >= Plan.horizonRow) {
                    ASSERT_EQ(Canvas.pixels[at + c], before[at + c]) << x << "," << y;
                }
            }
            brighter += Canvas.pixels[at] != before[at];
        }
    }
    EXPECT_GT(brighter, 100);  // a head and a tail of many points
}

}  // namespace
}  // namespace vorrith
