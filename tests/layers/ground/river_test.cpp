#include "layers/ground/river.h"

#include <gtest/gtest.h>

#include "layers/ground/cubic_curve.h"
#include "tests/layers/ground/ground_test_support.h"

namespace vorrith {
namespace {

TEST(CubicCurveTest, EvenlySpacedControlValuesMakeAStraightLine) {
    CubicCurve line;
    line.Set(0.0f, 1.0f, 2.0f, 3.0f);
    for (float t : {0.0f, 0.125f, 0.5f, 0.75f, 1.0f}) EXPECT_DOUBLE_EQ(line.Evaluate(t), 3.0 * t) << t;
}

TEST(CubicCurveTest, RunsThroughItsEndControlValues) {
    CubicCurve bump;
    bump.Set(0.0f, -187.0f, 301.0f, 0.0f);
    EXPECT_EQ(bump.Evaluate(0.0f), 0.0);
    EXPECT_EQ(bump.Evaluate(1.0f), 0.0);
    EXPECT_NE(bump.Evaluate(0.5f), 0.0);
    CubicCurve depth;
    depth.Set(287.0f, 351.0f, 415.0f, 479.0f);
    EXPECT_EQ(depth.Evaluate(0.0f), 287.0);
    EXPECT_EQ(depth.Evaluate(1.0f), 479.0);
    EXPECT_EQ(depth.Evaluate(0.5f), 383.0);
}

class RiverRowTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        PrepareGround(300, 0);
        FillCanvas(0);
    }
    Rgb RiverAt(int weight) { return {Blend(0, 64, weight), Blend(0, 112, weight), Blend(0, 192, weight)}; }
};

TEST_F(RiverRowTest, SpansOfSixPixelsOrFewerAreAllEdgeAndDrawNothingRandom) {
    const uint32_t state = RandomState();
    DrawRiverRow(100, 400, 6, kRiverColour);       // columns 97 ... 102
    EXPECT_EQ(PixelRgb(97, 400), (Rgb{0, 0, 0}));  // the outermost step blends at 0
    EXPECT_EQ(PixelRgb(98, 400), RiverAt(85));
    EXPECT_EQ(PixelRgb(99, 400), RiverAt(170));
    EXPECT_EQ(PixelRgb(100, 400), RiverAt(170));
    EXPECT_EQ(PixelRgb(101, 400), RiverAt(85));
    EXPECT_EQ(PixelRgb(102, 400), (Rgb{0, 0, 0}));
    EXPECT_EQ(RandomState(), state);
}

TEST_F(RiverRowTest, OddShortSpanBlendsItsMiddleTwice) {
    const uint32_t state = RandomState();
    DrawRiverRow(200, 400, 5, kRiverColour);
    const Rgb once = RiverAt(170);
    EXPECT_EQ(PixelRgb(200, 400),
              (Rgb{Blend(once.red, 64, 170), Blend(once.green, 112, 170), Blend(once.blue, 192, 170)}));
    EXPECT_EQ(PixelRgb(199, 400), RiverAt(85));
    DrawRiverRow(300, 400, 1, kRiverColour);  // one pixel, blended at weight 0
    DrawRiverRow(300, 410, 0, kRiverColour);
    EXPECT_EQ(PixelRgb(300, 400), (Rgb{0, 0, 0}));
    EXPECT_EQ(RandomState(), state);
}

TEST_F(RiverRowTest, InteriorPixelsTakeOneDrawEachAndSpeckleOneInFour) {
    DrawRiverRow(320, 400, 7, kRiverColour);  // one interior pixel
    const uint32_t drawn = Canvas.GetPixel(320, 400);
    EXPECT_NE(drawn, 0u);
    vorrith::srand(99);
    const uint32_t state = RandomState();
    DrawRiverRow(320, 420, 106, kRiverColour);
    int speckled = 0;
    for (int x = 320 - 53 + 3; x <= 320 + 52 - 3; ++x) speckled += Canvas.GetPixel(x, 420) != kRiverColour ? 1 : 0;
    EXPECT_EQ(RandomState(), StateAfterDraws(state, 100 + 3 * speckled));
    EXPECT_GT(speckled, 5);
    EXPECT_LT(speckled, 50);
}

TEST_F(RiverRowTest, SpansAreClippedToTheCanvas) {
    const uint32_t state = RandomState();
    DrawRiverRow(320, -1, 40, kRiverColour);
    DrawRiverRow(320, SceneHeight, 40, kRiverColour);
    DrawRiverRow(-30, 400, 40, kRiverColour);  // columns -50 ... -11
    DrawRiverRow(700, 400, 40, kRiverColour);
    EXPECT_EQ(RandomState(), state);
    EXPECT_EQ(CountPixelsNot(0), 0);
    DrawRiverRow(0, 400, 40, kRiverColour);  // columns -20 ... 19: interior 0 ... 16
    EXPECT_EQ(RandomState() != state, true);
    EXPECT_EQ(PixelRgb(17, 400), RiverAt(170));
    EXPECT_NE(Canvas.GetPixel(0, 400), 0u);
}

TEST_F(RiverRowTest, RiverCoversEveryRowFromTheHorizonToTheBottomOnce) {
    for (int horizon : {239, 300, 402}) {
        PrepareGround(horizon, 0);
        FillCanvas(0);
        vorrith::srand(static_cast<uint32_t>(horizon));
        DrawRiver();
        for (int y = 0; y < SceneHeight; ++y) {
            int blue = 0;
            for (int x = 0; x < SceneWidth; ++x) blue += Canvas.GetPixel(x, y) != 0 ? 1 : 0;
            if (y < horizon) {
                EXPECT_EQ(blue, 0) << "row " << y;
            } else {
                EXPECT_GE(blue, 1) << "row " << y;  // a span near the edge may be mostly outside
                EXPECT_LE(blue, SceneWidth / 6) << "row " << y;
            }
        }
    }
}

}  // namespace
}  // namespace vorrith
