#include "layers/bodies/shaded_disc.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/canvas.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "tests/support/draw_count.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

constexpr int kLow = 64;
constexpr int kHigh = 95;
constexpr int kMid = 79;
constexpr int kHorizon = 300;

uint32_t Blend(uint32_t dst, uint32_t src, int alpha) {
    const auto mix = [alpha](int d, int s) { return (d * (256 - alpha) + s * alpha) >> 8; };
    return MakeColour(mix(RedOf(dst), RedOf(src)), mix(GreenOf(dst), GreenOf(src)), mix(BlueOf(dst), BlueOf(src)));
}

class ShadedDiscTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        PlanPicture(1);  // any plan: its palette has a planet band or not, all entries are set
        for (int i = kLow; i <= kHigh; ++i) Palette[i] = {static_cast<uint8_t>(4 * i - 250), 90, 30, 0};
        Plan.horizonRow = kHorizon;
        Plan.gradientSky = 1;
        Plan.grain = 2;
        Plan.sunVisible = 0;
        FillCanvas(0x40);
    }
    void FillCanvas(int value) {
        std::memset(Canvas.pixels, value, static_cast<size_t>(Canvas.stride) * Canvas.height);
    }
    // Runs a drawing call and reports the rand() and table values it took.
    template <typename Draw>
    void ExpectDraws(int randDraws, int tableValues, Draw draw) {
        srand(77);
        const uint32_t state = RandomState();
        const int cursor = RandomCursor;
        draw();
        EXPECT_EQ(DrawsBetween(state, RandomState()), randDraws);
        EXPECT_EQ(RandomCursor - cursor, tableValues);
    }
};

TEST_F(ShadedDiscTest, RadiusZeroOrNegativeDrawsNothing) {
    const uint64_t before = CanvasHash();
    ExpectDraws(0, 0, [] { DrawShadedDisc({100, 100, 0, kLow, kHigh, 70, 3}); });
    ExpectDraws(0, 0, [] { DrawShadedDisc({100, 100, -4, kLow, kHigh, 70, 3}); });
    EXPECT_EQ(CanvasHash(), before);
}

TEST_F(ShadedDiscTest, RadiusOneIsOnePixelOfTheMiddleEntryAboveTheHorizonOnly) {
    ExpectDraws(0, 0, [] { DrawShadedDisc({100, 100, 1, kLow, kHigh, 90, 3}); });
    EXPECT_EQ(PixelRgb(100, 100), PaletteRgb(kMid));
    EXPECT_EQ(Canvas.GetPixel(101, 100), 0x404040u);
    const uint64_t before = CanvasHash();
    DrawShadedDisc({100, kHorizon, 1, kLow, kHigh, 0, 3});
    EXPECT_EQ(CanvasHash(), before);
}

// The corners are blended twice with weight 170, first toward the cap colour (mid), then
// toward the row's own end colour; the middle row is one dithered cap span of three.
TEST_F(ShadedDiscTest, RadiusTwoHasOnePixelSpansBlendedCornersAndACapRow) {
    ExpectDraws(0, 3, [] { DrawShadedDisc({100, 100, 2, kLow, kHigh, 0, 3}); });
    EXPECT_EQ(PixelRgb(100, 99), PaletteRgb(kMid));
    EXPECT_EQ(PixelRgb(100, 101), PaletteRgb(kMid));
    const uint32_t towardsMid = Blend(0x404040u, PaletteColour(kMid), 170);
    EXPECT_EQ(Canvas.GetPixel(99, 99), Blend(towardsMid, PaletteColour(kLow), 170));
    EXPECT_EQ(Canvas.GetPixel(101, 101), Blend(towardsMid, PaletteColour(kHigh), 170));
    for (int x = 99; x <= 101; ++x) {
        const uint32_t c = Canvas.GetPixel(x, 100);
        bool inCapRange = false;
        for (int i = kMid - 6; i <= kMid + 6; ++i) inCapRange |= c == PaletteColour(i);
        EXPECT_TRUE(inCapRange) << x;
    }
    EXPECT_EQ(Canvas.GetPixel(102, 100), 0x404040u);
}

TEST_F(ShadedDiscTest, DiscIsCutAtTheHorizon) {
    DrawShadedDisc({320, kHorizon + 5, 30, kLow, kHigh, 80, 4});
    EXPECT_NE(Canvas.GetPixel(320, kHorizon - 1), 0x404040u);
    for (int y = kHorizon; y < Canvas.height; ++y) {
        for (int x = 280; x <= 360; ++x) ASSERT_EQ(Canvas.GetPixel(x, y), 0x404040u) << x << "," << y;
    }
}

TEST_F(ShadedDiscTest, SpanTakesOneTableValuePerPixelAndOneDrawWithAPhaseOnAGradient) {
    ExpectDraws(0, 10, [] { FillShadedSpan(10, 19, 50, kLow, kHigh, 0, 3); });
    ExpectDraws(10, 10, [] { FillShadedSpan(10, 19, 50, kLow, kHigh, 80, 3); });
    Plan.gradientSky = 0;
    ExpectDraws(0, 10, [] { FillShadedSpan(10, 19, 50, kLow, kHigh, 80, 3); });
    ExpectDraws(0, 0, [] { FillShadedSpan(10, 10, 50, kLow, kHigh, 80, 3); });
}

// Clipped to one column, the span keeps the index at the middle of its visible ramp
// and is dithered like any span pixel.
TEST_F(ShadedDiscTest, SpanClippedToOneColumnTakesTheMiddleOfItsVisibleRamp) {
    std::memset(RandomTable, 0, sizeof RandomTable);
    ExpectDraws(0, 1, [] { FillShadedSpan(-50, 0, 50, kLow, kHigh, 0, 3); });
    EXPECT_EQ(PixelRgb(0, 50), PaletteRgb(kHigh));
    ExpectDraws(0, 1, [] { FillShadedSpan(ClipRight, ClipRight + 50, 60, kLow, kHigh, 0, 3); });
    EXPECT_EQ(PixelRgb(ClipRight, 60), PaletteRgb(kLow));
}

// A phase above the middle leaves a crescent on the right; on a black sky the dark side
// is black.
TEST_F(ShadedDiscTest, PhaseDarkensTheLowSide) {
    Plan.gradientSky = 0;
    Plan.sunVisible = 1;
    DrawShadedDisc({320, 150, 40, kLow, kHigh, 90, 3});
    EXPECT_EQ(Canvas.GetPixel(300, 150), 0u);
    EXPECT_EQ(Canvas.GetPixel(320, 150), 0u);
    EXPECT_NE(Canvas.GetPixel(357, 150), 0u);
}

TEST_F(ShadedDiscTest, SkyShadeFollowsTheSkyBand) {
    Plan.gradientSky = 0;
    ExpectDraws(0, 0, [] { EXPECT_EQ(SkyShadeIndex(100), 0); });
    Plan.gradientSky = 1;
    Plan.grain = 4;
    for (int y = ClipTop; y < kHorizon; y += 7) {
        const int index = SkyShadeIndex(y);
        EXPECT_GE(index, 32);
        EXPECT_LE(index, 55);
    }
    EXPECT_EQ(MixPaletteColours(kLow, kHigh, 0), PaletteColour(kLow));
    EXPECT_EQ(MixPaletteColours(kLow, kHigh, 128), PaletteColour(kHigh));
}

}  // namespace
}  // namespace vorrith
