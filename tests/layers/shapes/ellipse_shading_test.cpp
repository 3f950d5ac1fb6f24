#include "layers/shapes/ellipse_shading.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "tests/support/draw_count.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

constexpr int kHorizon = 300;
constexpr int kOutline = 0;  // low bit of the form draw
constexpr int kFilled = 1;

class EllipseShadingTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        std::memset(Canvas.pixels, 100, static_cast<size_t>(Canvas.stride) * Canvas.height);
        Plan.bands[kMoonBand] = {96, 127, 0, kHorizon};
    }
    // Shades a circle of radius 30 at (cx, cy) on the sky band in the chosen form.
    void ShadeCircle(int form, int cx, int cy, int strength, int clipR = 32767) {
        srand(SeedWithFirstBit(form));
        ShadeEllipse({cx, cy, 30, 30, 30, 0, kMoonBand, strength, {cx, cy, clipR}});
    }
    // Every pixel is unchanged (100), or else each channel is above (lighter) or below.
    int CountPixels(bool lighter) const {
        int count = 0;
        for (int y = 0; y < Canvas.height; ++y) {
            for (int x = 0; x < Canvas.width; ++x) {
                const uint32_t c = Canvas.GetPixel(x, y);
                if (c == 0x646464u) continue;
                const bool up = RedOf(c) > 100 && GreenOf(c) > 100 && BlueOf(c) > 100;
                if (up == lighter) ++count;
            }
        }
        return count;
    }
};

TEST_F(EllipseShadingTest, FilledFormAtStrengthZeroChangesNothing) {
    const uint64_t before = CanvasHash();
    const uint32_t seed = SeedWithFirstBit(kFilled);
    srand(seed);
    ShadeEllipse({320, 150, 30, 30, 30, 0, kMoonBand, 0, kNoClipCircle});
    EXPECT_EQ(CanvasHash(), before);
    srand(seed);
    const uint32_t start = RandomState();
    ShadeEllipse({320, 150, 30, 30, 30, 0, kMoonBand, 0, kNoClipCircle});
    EXPECT_EQ(DrawsBetween(start, RandomState()), 2);  // the form and the factor
}

TEST_F(EllipseShadingTest, FilledFormDarkensInsideAndLagsOneRow) {
    ShadeCircle(kFilled, 320, 150, -1);
    EXPECT_GT(CountPixels(false), 2000);
    EXPECT_EQ(CountPixels(true), 0);
    EXPECT_NE(Canvas.GetPixel(320, 150), 0x646464u);
    // Both cursors sit on the topmost point for the first two rows.
    for (int x = 280; x <= 360; ++x) {
        EXPECT_EQ(Canvas.GetPixel(x, 120), 0x646464u) << x;
        EXPECT_EQ(Canvas.GetPixel(x, 121), 0x646464u) << x;
    }
    EXPECT_NE(Canvas.GetPixel(320, 122), 0x646464u);
    EXPECT_EQ(Canvas.GetPixel(351, 150), 0x646464u);
}

TEST_F(EllipseShadingTest, FilledFormStopsAtTheBandRowsAndCanvasColumns) {
    ShadeCircle(kFilled, 5, kHorizon, -1);
    for (int y = kHorizon + 1; y < Canvas.height; ++y) {
        for (int x = 0; x < 40; ++x) ASSERT_EQ(Canvas.GetPixel(x, y), 0x646464u) << x << "," << y;
    }
    EXPECT_NE(Canvas.GetPixel(0, kHorizon - 10), 0x646464u);  // clamped to column 0
    EXPECT_EQ(Canvas.GetPixel(639, kHorizon - 10), 0x646464u);
}

TEST_F(EllipseShadingTest, OutlineFormAlwaysLightensWithinItsClipDisc) {
    const uint32_t start = SeedWithFirstBit(kOutline);
    ShadeCircle(kOutline, 320, 150, -6);
    EXPECT_EQ(DrawsBetween(start, RandomState()), 1);
    EXPECT_GT(CountPixels(true), 150);
    EXPECT_EQ(CountPixels(false), 0);
    EXPECT_EQ(Canvas.GetPixel(320, 150), 0x646464u);  // only the outline

    std::memset(Canvas.pixels, 100, static_cast<size_t>(Canvas.stride) * Canvas.height);
    ShadeCircle(kOutline, 320, 150, 1, 27);  // a clip disc inside the outline
    EXPECT_EQ(CountPixels(true), 0);
}

TEST_F(EllipseShadingTest, EllipseOutsideItsBandChangesNothing) {
    const uint64_t before = CanvasHash();
    ShadeCircle(kFilled, 320, 400, -1);
    ShadeCircle(kOutline, 320, 400, 1);
    EXPECT_EQ(CanvasHash(), before);
}

// A jittered arc draws one value per step for the row and a second only for rows inside
// the band; at step 1 the parameter skips 512 on its way from 0 to 1023.
TEST_F(EllipseShadingTest, JitteredArcDrawsPerStepAndSkipsTheVertex) {
    srand(5);
    uint32_t start = RandomState();
    ShadeEllipseArc({320, 400, 30, 10, 0, 0, 1023, kMoonBand, 57, {320, 400, 100}});
    EXPECT_EQ(DrawsBetween(start, RandomState()), 1023);

    start = RandomState();
    ShadeEllipseArc({320, 400, 30, 10, 0, 0, 1023, kMoonBand, 19, {320, 400, 100}});
    EXPECT_EQ(DrawsBetween(start, RandomState()), 342);  // step 3

    start = RandomState();
    ShadeEllipseArc({320, 150, 30, 10, 0, 0, 1023, kMoonBand, 19, {320, 150, 100}});
    EXPECT_EQ(DrawsBetween(start, RandomState()), 2 * 342);
    EXPECT_GT(CountPixels(true), 20);
}

TEST_F(EllipseShadingTest, FlatFilledEllipseOnOneRowDrawsNothing) {
    const uint64_t before = CanvasHash();
    srand(SeedWithFirstBit(kFilled));
    ShadeEllipse({320, 150, 30, 0, 0, 0, kMoonBand, -1, kNoClipCircle});
    EXPECT_EQ(CanvasHash(), before);
}

}  // namespace
}  // namespace vorrith
