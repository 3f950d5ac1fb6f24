#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/bodies/moons.h"
#include "layers/bodies/planet.h"
#include "tests/support/draw_count.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

class PlanetAndMoonsTest : public CanvasTest {
protected:
    // Plans the first image number from `from` on whose plan has the wanted planet flag.
    void PlanWithPlanet(bool planet, int from = 0) {
        for (int n = from;; ++n) {
            PlanPicture(n);
            if (Plan.noPlanet != planet) return;
        }
    }
    void ClearCanvas() { std::memset(Canvas.pixels, 0, static_cast<size_t>(Canvas.stride) * Canvas.height); }
};

TEST_F(PlanetAndMoonsTest, SceneWithoutAPlanetDrawsNothingInThePlanetLayer) {
    PlanWithPlanet(false);
    ClearCanvas();
    const uint64_t canvasBefore = CanvasHash();
    const uint32_t state = RandomState();
    const int cursor = RandomCursor;
    DrawPlanet();
    EXPECT_EQ(CanvasHash(), canvasBefore);
    EXPECT_EQ(RandomState(), state);
    EXPECT_EQ(RandomCursor, cursor);
}

TEST_F(PlanetAndMoonsTest, PlanetIsPaintedInItsBandAboveTheHorizon) {
    PlanWithPlanet(true);
    ClearCanvas();
    DrawPlanet();
    EXPECT_NE(CanvasHash(), 0u);
    for (int y = Plan.horizonRow; y < Canvas.height; ++y) {
        for (int x = 0; x < Canvas.width; ++x) ASSERT_EQ(Canvas.GetPixel(x, y), 0u) << x << "," << y;
    }
}

TEST_F(PlanetAndMoonsTest, PlacementIsClampedToTheCanvasWithOneDraw) {
    PlanWithPlanet(true);
    Plan.eclipticAngle = 0;
    const uint32_t state = RandomState();
    const CanvasPoint far = PlaceOnEcliptic(5000, 40);
    EXPECT_EQ(DrawsBetween(state, RandomState()), 1);
    EXPECT_EQ(far.x, ClipLeft);
    Plan.eclipticAngle = 512;  // straight down the canvas
    EXPECT_EQ(PlaceOnEcliptic(5000, 40).y, ClipTop);
    const CanvasPoint near = PlaceOnEcliptic(0, 40);  // raised to the radius
    EXPECT_EQ(near.x, Plan.eclipticX);
}

// A moon of radius 5 gets 3 or 4 crater attempts, and most are rejected, at the size
// test (after two draws) or at the foreshortening test (after four). When all are
// rejected the canvas stays blank and the draws are the count's one plus two or four per
// attempt: an odd number from 7 to 17, with both kinds of rejection among the seeds.
TEST_F(PlanetAndMoonsTest, RejectedCratersKeepTheirDraws) {
    PlanWithPlanet(true);
    const auto paintGrey = [] { std::memset(Canvas.pixels, 100, static_cast<size_t>(Canvas.stride) * Canvas.height); };
    paintGrey();  // a drawn crater shows on grey
    const uint64_t blank = CanvasHash();
    std::set<int> drawCounts;
    int drawn = 0;
    for (uint32_t seed = 1; seed < 80; ++seed) {
        srand(seed);
        const uint32_t start = RandomState();
        DrawCraters(320, 200, 5, 2);
        if (CanvasHash() != blank) {
            paintGrey();
            ++drawn;
            continue;
        }
        const int draws = DrawsBetween(start, RandomState());
        EXPECT_EQ(draws % 2, 1) << seed;
        EXPECT_GE(draws, 1 + 2 * 3) << seed;
        EXPECT_LE(draws, 1 + 4 * 4) << seed;
        drawCounts.insert(draws);
    }
    EXPECT_GT(drawn, 0);
    EXPECT_GE(drawCounts.size(), 4u);
}

TEST_F(PlanetAndMoonsTest, WholeLayerStaysAboveTheHorizonAndPlanetlessScenesGetOneLargeMoon) {
    PlanWithPlanet(false);
    ClearCanvas();
    DrawMoons();
    int lit = 0;
    for (int y = 0; y < Canvas.height; ++y) {
        for (int x = 0; x < Canvas.width; ++x) {
            const bool set = Canvas.GetPixel(x, y) != 0;
            if (y >= Plan.horizonRow && set) {
                // Surface texture is clipped to the canvas only, but it only darkens black.
                ADD_FAILURE() << "below the horizon at " << x << "," << y;
                return;
            }
            lit += set;
        }
    }
    // A large moon has radius at least (big + 4) / 2 = 71: far more than five small ones.
    EXPECT_GT(lit, 3000);
}

}  // namespace
}  // namespace vorrith
