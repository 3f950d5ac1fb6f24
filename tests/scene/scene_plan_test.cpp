// The palette ramp's truncation, the whole plan and palette of image numbers 0 and
// 12345, and the plan's ranges over a sample of numbers.
#include <gtest/gtest.h>

#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "scene/scene_driver.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

TEST(PaletteRampTest, EndsShortByTheTruncatedStep) {
    ClearPalette();
    PaletteRamp(96, 127, MakeColour(4, 4, 4), MakeColour(40, 40, 40));
    EXPECT_EQ(PaletteRgb(96), (Rgb{16, 16, 16}));
    EXPECT_EQ(PaletteRgb(127), (Rgb{159, 159, 159}));
    PaletteRamp(10, 10, MakeColour(1, 2, 3), MakeColour(60, 60, 60));
    EXPECT_EQ(PaletteRgb(10), (Rgb{4, 8, 12}));
    PaletteRamp(20, 21, MakeColour(63, 0, 0), MakeColour(0, 0, 0));  // falling ramps shift arithmetically
    EXPECT_EQ(PaletteRgb(21), (Rgb{0, 0, 0}));
}

class ScenePlanTest : public CanvasTest {};

TEST_F(ScenePlanTest, ImageZero) {
    PlanScene(0);
    const ScenePlan& p = Plan;
    EXPECT_EQ(p.sceneType, 1);
    EXPECT_EQ(p.horizonRow, 349);
    EXPECT_TRUE(p.noPlanet);
    EXPECT_TRUE(p.gradientSky);
    EXPECT_EQ(p.grain, 4);
    EXPECT_FALSE(p.sunVisible);
    EXPECT_EQ(p.sunSize, 25);
    EXPECT_EQ(p.sunCount, 1);
    EXPECT_EQ(p.eclipticAngle, -63);
    EXPECT_EQ(p.eclipticX, 579);
    EXPECT_EQ(p.eclipticY, 68);
    EXPECT_EQ(p.sunX, 639);
    EXPECT_EQ(p.sunY, 174);
    EXPECT_EQ(p.planetRadiusLimit, 159);
    EXPECT_EQ(RandomCursor, 25);
    EXPECT_EQ(PaletteRgb(16), (Rgb{204, 172, 184}));
    EXPECT_EQ(PaletteRgb(32), (Rgb{64, 84, 8}));
    EXPECT_EQ(PaletteRgb(63), (Rgb{251, 247, 163}));
    EXPECT_EQ(PaletteRgb(96), (Rgb{16, 16, 28}));
    EXPECT_EQ(PaletteRgb(127), (Rgb{187, 199, 163}));
    EXPECT_EQ(PaletteRgb(128), (Rgb{80, 96, 48}));
    EXPECT_EQ(PaletteRgb(159), (Rgb{179, 211, 147}));
    for (int i = 64; i <= 95; ++i) EXPECT_EQ(PaletteRgb(i), (Rgb{0, 0, 0})) << i;
    EXPECT_EQ(SceneChoices.layerChoice, kGalaxyNoPlanets);
    EXPECT_TRUE(SceneChoices.sunFirst);
    EXPECT_LT(p.bands[2].lastIndex, p.bands[2].firstIndex);  // no planet: empty band
}

TEST_F(ScenePlanTest, ImageTwelveThousandThreeHundredFortyFive) {
    PlanScene(12345);
    const ScenePlan& p = Plan;
    EXPECT_EQ(p.sceneType, 3);
    EXPECT_EQ(p.horizonRow, 354);
    EXPECT_TRUE(p.noPlanet);
    EXPECT_TRUE(p.gradientSky);
    EXPECT_EQ(p.grain, 1);
    EXPECT_TRUE(p.sunVisible);
    EXPECT_EQ(p.sunSize, 22);
    EXPECT_EQ(p.sunCount, 2);
    EXPECT_EQ(p.eclipticAngle, 37);
    EXPECT_EQ(p.eclipticX, 601);
    EXPECT_EQ(p.eclipticY, 241);
    EXPECT_EQ(p.sunX, 601);
    EXPECT_EQ(p.sunY, 209);
    EXPECT_EQ(RandomCursor, 26);
    EXPECT_EQ(PaletteRgb(32), (Rgb{60, 40, 84}));
    EXPECT_EQ(PaletteRgb(63), (Rgb{243, 147, 163}));
    EXPECT_EQ(PaletteRgb(128), (Rgb{76, 12, 36}));
    EXPECT_EQ(PaletteRgb(159), (Rgb{231, 155, 211}));
    EXPECT_EQ(SceneChoices.layerChoice, kPlanetsNoGalaxy);
    EXPECT_FALSE(SceneChoices.sunFirst);
}

TEST_F(ScenePlanTest, PlansStayInTheirRangesOverManyNumbers) {
    for (int n = 0; n <= 32767; n += 97) {
        PlanScene(n);
        const ScenePlan& p = Plan;
        const bool sea = p.sceneType == kSea;
        EXPECT_GE(p.horizonRow, sea ? 239 : 287) << n;
        EXPECT_LE(p.horizonRow, sea ? 378 : 402) << n;
        EXPECT_FALSE(p.sunCount == 2 && p.sunSize <= 16) << n;
        EXPECT_GE(p.eclipticX, 576) << n;
        EXPECT_LE(p.eclipticX, 639) << n;
        EXPECT_LE(std::abs(p.eclipticAngle), p.sunVisible ? 85 : 170) << n;
        for (int i = 0; i < 16; ++i) EXPECT_EQ(PaletteColour(i), 0u) << n;
        for (int i = 160; i < 256; ++i) EXPECT_EQ(PaletteColour(i), 0u) << n;
    }
}

}  // namespace
}  // namespace vorrith
