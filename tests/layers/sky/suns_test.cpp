#include "layers/sky/suns.h"

#include <gtest/gtest.h>

#include "core/palette.h"
#include "core/random.h"
#include "tests/layers/sky/sky_layer_fixture.h"

namespace vorrith {
namespace {

class SunsTest : public SkyLayerTest {
protected:
    // A planned scene with suns, on a grey canvas, with the sun values the test sets.
    void PlanSuns(int gradientSky, int sunCount, int sunSize) {
        PlanOver(FindImage([](const ScenePlan& p) { return p.sunVisible == 1; }), MakeColour(40, 40, 40));
        Plan.gradientSky = gradientSky;
        Plan.sunCount = sunCount;
        Plan.sunSize = sunSize;
        srand(4242);
    }
    // Fixes the table values the suns read next: the main size, then one mode per sun.
    static void SetNextTableValues(std::initializer_list<int> values) {
        int i = 0;
        for (int v : values) RandomTable[(randomCursor + i++) & kRandomTableMask] = v;
    }
};

TEST_F(SunsTest, HiddenSunsTouchNothing) {
    PlanOver(FindImage([](const ScenePlan& p) { return p.sunVisible == 0; }), MakeColour(40, 40, 40));
    const uint64_t before = CanvasHash();
    const ScenePlan plan = Plan;
    const uint32_t state = RandomState();
    const int32_t cursor = randomCursor;
    DrawSuns();
    EXPECT_EQ(CanvasHash(), before);
    EXPECT_EQ(Plan.eclipticX, plan.eclipticX);
    EXPECT_EQ(RandomState(), state);
    EXPECT_EQ(randomCursor, cursor);
}

TEST_F(SunsTest, MovesTheEclipticLeftOfTheSuns) {
    PlanSuns(0, 1, 20);
    SetNextTableValues({3});  // main size 3 % 7 + 6 = 9
    const int eclipticX = Plan.eclipticX;
    DrawSuns();
    EXPECT_EQ(Plan.eclipticX, eclipticX - 69);
}

TEST_F(SunsTest, BlackSkySunIsADiscOfEntryThirtyOneInARimOfSixteen) {
    PlanSuns(0, 1, 20);
    SetNextTableValues({6});  // main size 12
    const int32_t cursor = randomCursor;
    DrawSuns();
    EXPECT_EQ(randomCursor, cursor + 1);
    // Replay the draws: glow, then the disc divisor.
    srand(4242);
    rand();
    const int radius = 12 * 100 / (rand() % 120 + 40);
    EXPECT_EQ(RandomState(), StateAfterDraws(4242, 2));
    const int x = Plan.sunX, y = Plan.sunY;
    EXPECT_EQ(PixelRgb(x, y), PaletteRgb(31));
    EXPECT_EQ(PixelRgb(x + radius - 2, y), PaletteRgb(31));
    EXPECT_EQ(PixelRgb(x, y + radius - 1), PaletteRgb(16));  // extreme rim pixel, full colour
    EXPECT_EQ(PixelRgb(x, y + radius + 1), (Rgb{40, 40, 40}));
}

TEST_F(SunsTest, CompanionPastTheRightEdgeIsMirroredToTheLeft) {
    PlanSuns(0, 2, 20);
    Plan.sunX = ClipRight - 2;
    SetNextTableValues({0});
    // Replay the companion's draws.
    const int s = (rand() & 3) + 4;
    const int offset = rand() % (8 * s) + 2 * s;
    const int y = Plan.sunY + rand() % (4 * s) - 2 * s;
    srand(4242);
    DrawSuns();
    EXPECT_EQ(PixelRgb(Plan.sunX - offset, y), PaletteRgb(31));
    EXPECT_EQ(PixelRgb(Plan.sunX, Plan.sunY), PaletteRgb(31));
    // Companion (3 draws), glow, then one disc divisor per sun.
    EXPECT_EQ(RandomState(), StateAfterDraws(4242, 6));
}

TEST_F(SunsTest, DustGlowTakesFiveCursorPositionsPerDotAndOneDraw) {
    PlanSuns(1, 1, 20);
    SetNextTableValues({0, 2});  // main size 6, dust mode
    const int32_t cursor = randomCursor;
    DrawSuns();
    const int n = 7 * 6;
    const int dots = 10 * (n + 1) * (n + 2) / 2;
    EXPECT_EQ(randomCursor, cursor + 2 + 5 * dots);
    EXPECT_EQ(RandomState(), StateAfterDraws(4242, 1));
    EXPECT_EQ(PixelRgb(Plan.sunX, Plan.sunY), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelRgb(Plan.sunX - n - 3, Plan.sunY), (Rgb{40, 40, 40}));
}

TEST_F(SunsTest, GlowModesAddWhiteLight) {
    PlanSuns(1, 1, 20);
    SetNextTableValues({0, 1});  // one wide white glow
    const int32_t cursor = randomCursor;
    DrawSuns();
    EXPECT_EQ(randomCursor, cursor + 2);
    EXPECT_EQ(PixelRgb(Plan.sunX, Plan.sunY), (Rgb{255, 255, 255}));

    PlanSuns(1, 1, 20);
    SetNextTableValues({0, 0});  // a grey halo under a white glow of the sun's size
    DrawSuns();
    EXPECT_EQ(PixelRgb(Plan.sunX, Plan.sunY), (Rgb{255, 255, 255}));
    const Rgb halo = PixelRgb(Plan.sunX - 7, Plan.sunY);  // outside the white glow of radius 6
    EXPECT_GT(halo.red, 40);
    EXPECT_LE(halo.red, 40 + 51);
    EXPECT_EQ(halo, (Rgb{halo.red, halo.red, halo.red}));
}

}  // namespace
}  // namespace vorrith
