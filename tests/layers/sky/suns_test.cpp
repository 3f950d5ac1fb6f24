#include "layers/sky/suns.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/palette.h"
#include "core/random.h"
#include "tests/layers/sky/sky_layer_fixture.h"

namespace vorrith {
namespace {

class SunsTest : public SkyLayerTest {
protected:
    // A planned scene with suns, on a grey canvas, with the sun values the test sets.
    void PlanSuns(int gradientSky, int sunCount, int sunSize) {
        PlanOver(FindImage([](const ScenePlan& p) { return p.sunVisible; }), MakeColour(40, 40, 40));
        Plan.gradientSky = gradientSky;
        Plan.sunCount = sunCount;
        Plan.sunSize = sunSize;
        srand(4242);
    }
    // Fixes the table values the suns read next: the main size, then one mode per sun.
    static void SetNextTableValues(std::initializer_list<int> values) {
        int i = 0;
        for (int v : values) RandomTable[(RandomCursor + i++) & kRandomTableMask] = v;
    }
};

TEST_F(SunsTest, HiddenSunsTouchNothing) {
    PlanOver(FindImage([](const ScenePlan& p) { return !p.sunVisible; }), MakeColour(40, 40, 40));
    const uint64_t before = CanvasHash();
    const ScenePlan plan = Plan;
    const uint32_t state = RandomState();
    const int32_t cursor = RandomCursor;
    DrawSuns();
    EXPECT_EQ(CanvasHash(), before);
    EXPECT_EQ(Plan.eclipticX, plan.eclipticX);
    EXPECT_EQ(RandomState(), state);
    EXPECT_EQ(RandomCursor, cursor);
}

TEST_F(SunsTest, MovesTheEclipticLeftOfTheSuns) {
    PlanSuns(0, 1, 20);
    SetNextTableValues({3});  // main size 3 % 7 + 6 = 9
    const int eclipticX = Plan.eclipticX;
    DrawSuns();
    EXPECT_EQ(Plan.eclipticX, eclipticX - 69);
}

// Below the centre, straight down: a run of entry 31, the rim's one pixel of entry 16,
// then the sky. The radius lies between size * 100 / 159 and size * 100 / 40.
TEST_F(SunsTest, BlackSkySunIsADiscOfEntryThirtyOneInARimOfSixteen) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        PlanSuns(0, 1, 20);
        srand(seed);
        SetNextTableValues({6});  // main size 12
        const int32_t cursor = RandomCursor;
        DrawSuns();
        EXPECT_EQ(RandomCursor, cursor + 1);
        EXPECT_EQ(RandomState(), StateAfterDraws(seed, 2)) << "the glow's draw, then the disc's";
        const int x = Plan.sunX, y = Plan.sunY;
        int row = y;
        while (PixelRgb(x, row) == PaletteRgb(31)) ++row;
        const int radius = row - y + 1;
        EXPECT_GE(radius, 12 * 100 / 159) << seed;
        EXPECT_LE(radius, 12 * 100 / 40) << seed;
        EXPECT_EQ(PixelRgb(x, row), PaletteRgb(16)) << seed << ": the extreme rim pixel, full colour";
        EXPECT_EQ(PixelRgb(x, row + 2), (Rgb{40, 40, 40})) << seed;
    }
}

// A companion that would stand past the right edge stands mirrored to the left: the
// picture with the sun at the right edge is the mirror image, about the sun's column, of
// the same draws with the sun in the middle of the sky.
TEST_F(SunsTest, CompanionPastTheRightEdgeIsMirroredToTheLeft) {
    constexpr int kMiddle = 300;
    constexpr int kReach = 120;  // past the companion's farthest disc
    int companionPixels = 0;     // entry 31 clear of the main sun's disc
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        PlanSuns(0, 2, 20);
        Plan.sunX = kMiddle;
        srand(seed);
        SetNextTableValues({0});
        DrawSuns();
        EXPECT_EQ(RandomState(), StateAfterDraws(seed, 6)) << "companion (3), glow, one disc divisor per sun";
        const std::vector<uint8_t> unmirrored = Snapshot();
        const auto unmirroredRgb = [&](int x, int y) {
            const uint8_t* p = unmirrored.data() + y * Canvas.stride + 3 * x;
            return Rgb{p[2], p[1], p[0]};
        };
        PlanSuns(0, 2, 20);
        Plan.sunX = ClipRight - 2;
        srand(seed);
        SetNextTableValues({0});
        DrawSuns();
        for (int y = 0; y < Plan.horizonRow; ++y) {
            for (int x = Plan.sunX - kReach; x <= Plan.sunX; ++x) {
                const Rgb mirrored = unmirroredRgb(kMiddle + (Plan.sunX - x), y);
                ASSERT_EQ(PixelRgb(x, y), mirrored) << seed << " at " << x << "," << y;
                companionPixels += x < Plan.sunX - 20 && mirrored == PaletteRgb(31);
            }
        }
        EXPECT_EQ(PixelRgb(Plan.sunX, Plan.sunY), PaletteRgb(31));
    }
    EXPECT_GT(companionPixels, 0);
}

TEST_F(SunsTest, DustGlowTakesFiveCursorPositionsPerDotAndOneDraw) {
    PlanSuns(1, 1, 20);
    SetNextTableValues({0, 2});  // main size 6, dust mode
    const int32_t cursor = RandomCursor;
    DrawSuns();
    const int n = 7 * 6;
    const int dots = 10 * (n + 1) * (n + 2) / 2;
    EXPECT_EQ(RandomCursor, cursor + 2 + 5 * dots);
    EXPECT_EQ(RandomState(), StateAfterDraws(4242, 1));
    EXPECT_EQ(PixelRgb(Plan.sunX, Plan.sunY), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelRgb(Plan.sunX - n - 3, Plan.sunY), (Rgb{40, 40, 40}));
}

TEST_F(SunsTest, GlowModesAddWhiteLight) {
    PlanSuns(1, 1, 20);
    SetNextTableValues({0, 1});  // one wide white glow
    const int32_t cursor = RandomCursor;
    DrawSuns();
    EXPECT_EQ(RandomCursor, cursor + 2);
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
