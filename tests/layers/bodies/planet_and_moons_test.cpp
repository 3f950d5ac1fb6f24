#include <gtest/gtest.h>

#include <cstring>

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/bodies/moons.h"
#include "layers/bodies/planet.h"
#include "scene/scene_driver.h"
#include "tests/layers/bodies/draw_count.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

class PlanetAndMoonsTest : public CanvasTest {
protected:
    // Plans the first image number from `from` on whose plan has the wanted planet flag.
    void PlanWithPlanet(bool planet, int from = 0) {
        for (int n = from;; ++n) {
            PlanScene(n);
            if ((Plan.noPlanet == 0) == planet) return;
        }
    }
    void ClearCanvas() { std::memset(canvas.pixels, 0, static_cast<size_t>(canvas.stride) * canvas.height); }
};

TEST_F(PlanetAndMoonsTest, SceneWithoutAPlanetDrawsNothingInThePlanetLayer) {
    PlanWithPlanet(false);
    ClearCanvas();
    const uint64_t canvasBefore = CanvasHash();
    const uint32_t state = RandomState();
    const int cursor = randomCursor;
    DrawPlanet();
    EXPECT_EQ(CanvasHash(), canvasBefore);
    EXPECT_EQ(RandomState(), state);
    EXPECT_EQ(randomCursor, cursor);
}

TEST_F(PlanetAndMoonsTest, PlanetIsPaintedInItsBandAboveTheHorizon) {
    PlanWithPlanet(true);
    ClearCanvas();
    DrawPlanet();
    EXPECT_NE(CanvasHash(), 0u);
    for (int y = Plan.horizonRow; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) ASSERT_EQ(canvas.GetPixel(x, y), 0u) << x << "," << y;
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

// On a moon of radius 5 every crater is rejected unless its distance draw is 0: at the
// size test (w >= 22: two draws) or at the foreshortening test (four draws).
TEST_F(PlanetAndMoonsTest, RejectedCratersKeepTheirDraws) {
    PlanWithPlanet(true);
    ClearCanvas();
    const uint64_t blank = CanvasHash();
    int checked = 0;
    for (uint32_t seed = 1; seed < 40; ++seed) {
        srand(seed);
        const int count = ((rand() % 2 + 5) * 3) / 4;
        int expected = 1;
        bool allRejected = true;
        for (int i = 0; i < count; ++i) {
            rand();
            const int w = rand() % 25;
            expected += w >= 22 ? 2 : 4;
            if (w >= 22) continue;
            rand();
            rand();
            allRejected &= w != 0;
        }
        if (!allRejected) continue;
        srand(seed);
        const uint32_t start = RandomState();
        DrawCraters(320, 200, 5, 2);
        EXPECT_EQ(DrawsBetween(start, RandomState()), expected) << seed;
        ++checked;
    }
    EXPECT_GT(checked, 10);
    EXPECT_EQ(CanvasHash(), blank);
}

TEST_F(PlanetAndMoonsTest, WholeLayerStaysAboveTheHorizonAndPlanetlessScenesGetOneLargeMoon) {
    PlanWithPlanet(false);
    ClearCanvas();
    DrawMoons();
    int lit = 0;
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            const bool set = canvas.GetPixel(x, y) != 0;
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
