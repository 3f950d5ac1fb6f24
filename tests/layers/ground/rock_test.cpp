#include "layers/ground/rock.h"

#include <gtest/gtest.h>

#include "layers/ground/rock_runs.h"
#include "layers/shapes/palette_run.h"
#include "tests/layers/ground/ground_test_support.h"

namespace vorrith {
namespace {

constexpr uint32_t kBlack = 0;

class RockTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        PrepareGround(300, 0);
        FillCanvas(kBlack);
        for (int i = 128; i < 160; ++i) SetPaletteEntry(i, 200, 4 * (i - 128), 100);
    }
    void ExpectNothingDrawnOrRead(uint32_t state) {
        EXPECT_EQ(RandomCursor, 0);
        EXPECT_EQ(RandomState(), state);
        EXPECT_EQ(CountPixelsNot(kBlack), 0);
    }
};

TEST_F(RockTest, RocksWhollyOffTheCanvasDrawAndReadNothing) {
    const uint32_t state = RandomState();
    DrawRock(-20, 400, 10, 8, 128, 159);            // right end at -15
    DrawRock(ClipLeft - 5, 400, 10, 8, 128, 159);   // right end exactly on ClipLeft
    DrawRock(ClipRight + 5, 400, 10, 8, 128, 159);  // left end exactly on ClipRight
    DrawRock(900, 400, 40, 20, 128, 159);
    DrawRock(320, ClipBottom + 10, 10, 5, 128, 159);  // top at or below the last row
    DrawRock(320, ClipBottom + 2, 10, 2, 128, 159);   // a pebble there too
    ExpectNothingDrawnOrRead(state);
}

TEST_F(RockTest, PebblesAreThreeSixOrSevenDots) {
    struct Case {
        int width, height, dots;
    };
    for (const Case c : {Case{2, 1, 3}, Case{3, 1, 4}, Case{2, 2, 6}, Case{3, 2, 7}, Case{7, 2, 7}, Case{3, 9, 7}}) {
        FillCanvas(kBlack);
        RandomCursor = 0;
        const uint32_t state = RandomState();
        DrawRock(320, 400, c.width, c.height, 128, 159);
        EXPECT_EQ(CountPixelsNot(kBlack), c.dots) << c.width << "x" << c.height;
        EXPECT_EQ(RandomCursor, 5) << "four start values and one pebble value";
        EXPECT_EQ(RandomState(), state) << "pebbles draw no rand()";
        EXPECT_NE(Canvas.GetPixel(320, 400), kBlack);
        EXPECT_EQ(Canvas.GetPixel(320, 401), kBlack) << "nothing below the base";
    }
}

TEST_F(RockTest, PebblesAtTheCanvasEdgeLoseTheirOutsideDots) {
    DrawRock(0, 400, 3, 2, 128, 159);  // dots at columns -2 and -1 are skipped
    EXPECT_EQ(CountPixelsNot(kBlack), 5);
    FillCanvas(kBlack);
    DrawRock(320, ClipBottom + 1, 3, 2, 128, 159);  // base below the canvas: no dots
    EXPECT_EQ(CountPixelsNot(kBlack), 0);
}

TEST_F(RockTest, RocksStayInsideTheGroundAndTheCanvas) {
    for (int32_t& v : RandomTable) v = 12345;
    for (int x : {-3, 100, 636}) DrawRock(x, ClipBottom + 1, 30, 12, 128, 159);
    EXPECT_GT(CountPixelsNot(kBlack), 0);
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 640; ++x) ASSERT_EQ(Canvas.GetPixel(x, y), kBlack) << x << "," << y;
    }
}

class RockRunsTest : public RockTest {};

TEST_F(RockRunsTest, OnePixelShadeRunBlendsAtTwiceTheCoverageOf128) {
    ShadeRun(10, 10, 400, 140, 1, 2);  // weight 2 * (128 * 1 / 2) = 128
    EXPECT_EQ(PixelRgb(10, 400), (Rgb{Blend(0, 200, 128), Blend(0, 48, 128), Blend(0, 100, 128)}));
    ShadeRun(20, 20, 400, 140, 16, 16);  // full coverage: weight 256 replaces the pixel
    EXPECT_EQ(PixelRgb(20, 400), PaletteRgb(140));
    EXPECT_EQ(CountPixelsNot(kBlack), 2);
}

TEST_F(RockRunsTest, ShadeRunRampsTowardItsLastPixelInEitherDirection) {
    ShadeRun(13, 10, 400, 140, 1, 1);  // leftward, 4 pixels: half weights 32, 64, 96, 128
    EXPECT_EQ(PixelRgb(13, 400).red, Blend(0, 200, 64));
    EXPECT_EQ(PixelRgb(12, 400).red, Blend(0, 200, 128));
    EXPECT_EQ(PixelRgb(11, 400).red, Blend(0, 200, 192));
    EXPECT_EQ(PixelRgb(10, 400).red, 200);
    ShadeRun(-2, 1, 410, 140, 1, 1);  // columns left of ClipLeft are skipped
    EXPECT_EQ(PixelRgb(0, 410).red, Blend(0, 200, 192));
    EXPECT_EQ(PixelRgb(1, 410).red, 200);
}

TEST_F(RockRunsTest, OnePixelDitheredRunTakesTheMiddleIndexWithoutAValue) {
    FillDitheredRun(50, 50, 400, 130, 141, 6);
    EXPECT_EQ(PixelRgb(50, 400), PaletteRgb(135));
    EXPECT_EQ(RandomCursor, 0);
    FillDitheredRun(-1, -1, 400, 130, 141, 6);  // outside: nothing, and no crash
    FillDitheredRun(60, 59, 400, 130, 141, 6);  // reversed: nothing
    EXPECT_EQ(CountPixelsNot(kBlack), 1);
    EXPECT_EQ(RandomCursor, 0);
}

TEST_F(RockRunsTest, DitheredRunIsClippedToTheColumnsAndCappedAtItsEndIndex) {
    for (int32_t& v : RandomTable) v = 4095 * 5;  // the largest dither of 6 entries
    FillDitheredRun(-10, 9, 400, 130, 150, 6);
    EXPECT_EQ(RandomCursor, 10) << "one value per visible pixel";
    EXPECT_EQ(CountPixelsNot(kBlack), 10);
    for (int x = 0; x < 10; ++x) EXPECT_LE(PixelRgb(x, 400).green, 4 * (150 - 128)) << x;
    FillDitheredRun(635, 660, 402, 130, 131, 2);
    EXPECT_EQ(RandomCursor, 15);
}

}  // namespace
}  // namespace vorrith
