#include "layers/sky/galaxy.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/random.h"
#include "layers/sky/galaxy_shape.h"
#include "tests/layers/sky/sky_layer_fixture.h"

namespace vorrith {
namespace {

class GalaxyTest : public SkyLayerTest {};

// Each channel is scaled by 70 ... 129 percent, truncated and clamped to 255; over many
// seeds the scale reaches both ends, and every call takes three draws.
TEST_F(GalaxyTest, VaryColourScalesEachChannelBySeventyToOneHundredTwentyNinePercent) {
    int lowest = 255;
    int highest = 0;
    for (uint32_t seed = 0; seed < 400; ++seed) {
        srand(seed);
        int red = 100, green = 1000, blue = 200;
        VaryColour(red, green, blue);
        EXPECT_EQ(RandomState(), StateAfterDraws(seed, 3));
        EXPECT_GE(red, 70);
        EXPECT_LE(red, 129);
        EXPECT_EQ(green, 255) << "clamped";
        EXPECT_GE(blue, 140);
        EXPECT_LE(blue, 255);
        lowest = std::min(lowest, red);
        highest = std::max(highest, red);
    }
    EXPECT_EQ(lowest, 70);
    EXPECT_EQ(highest, 129);
}

TEST_F(GalaxyTest, ColoursStayBelowThreeFiftyAndAreHalvedOnGradientSkies) {
    PlanPicture(0);
    for (uint32_t seed = 0; seed < 50; ++seed) {
        Plan.gradientSky = 0;
        srand(seed);
        int red, green, blue;
        DrawGalaxyColour(red, green, blue);
        const uint32_t after = RandomState();
        EXPECT_LT(red + green + blue, 350);
        EXPECT_GE(std::min({red, green, blue}), 50);
        Plan.gradientSky = 1;
        srand(seed);
        int halfRed, halfGreen, halfBlue;
        DrawGalaxyColour(halfRed, halfGreen, halfBlue);
        EXPECT_EQ(RandomState(), after);
        EXPECT_EQ(halfRed, red >> 1);
        EXPECT_EQ(halfGreen, green >> 1);
        EXPECT_EQ(halfBlue, blue >> 1);
    }
}

// Every part of the galaxy adds or multiplies light: no pixel gets darker, and the
// galaxy shows on both kinds of sky.
TEST_F(GalaxyTest, OnlyAddsLight) {
    for (int gradientSky = 0; gradientSky <= 1; ++gradientSky) {
        PlanOver(FindImage([&](const ScenePlan& p) { return p.gradientSky == gradientSky; }), MakeColour(30, 50, 70));
        const std::vector<uint8_t> before = Snapshot();
        DrawGalaxy();
        size_t changed = 0;
        for (size_t i = 0; i < before.size(); ++i) {
            ASSERT_GE(Canvas.pixels[i], before[i]) << "byte " << i;
            changed += Canvas.pixels[i] != before[i];
        }
        EXPECT_GT(changed, 1000u) << "gradientSky " << gradientSky;
    }
}

}  // namespace
}  // namespace vorrith
