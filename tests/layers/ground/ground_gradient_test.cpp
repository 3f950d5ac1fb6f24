#include "layers/ground/ground_gradient.h"

#include <gtest/gtest.h>

#include "tests/layers/ground/ground_test_support.h"

namespace vorrith {
namespace {

constexpr uint32_t kGrey = 0x00646464;  // 100, 100, 100

class HorizonHazeTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        PrepareGround(300, 0);
        FillCanvas(kGrey);
        SetPaletteEntry(kHazeIndex, 200, 40, 0);
    }
    Rgb Hazed(int weight) { return {Blend(100, 200, weight), Blend(100, 40, weight), Blend(100, 0, weight)}; }
};

TEST_F(HorizonHazeTest, OddTableValueHazesTwoRowsAtEightyFourAndOneSixtyEight) {
    RandomTable[0] = 7;
    const uint32_t state = RandomState();
    DrawHorizonHaze();
    for (int x : {0, 320, 639}) {
        EXPECT_EQ(PixelRgb(x, 298), Hazed(84)) << x;
        EXPECT_EQ(PixelRgb(x, 299), Hazed(168)) << x;
        EXPECT_EQ(PixelRgb(x, 297), (Rgb{100, 100, 100})) << x;
        EXPECT_EQ(PixelRgb(x, 300), (Rgb{100, 100, 100})) << "the horizon row is never hazed";
    }
    EXPECT_EQ(RandomCursor, 1);
    EXPECT_EQ(RandomState(), state);
}

TEST_F(HorizonHazeTest, EvenTableValueHazesOneRowAtHalfWeight) {
    RandomTable[0] = 6;
    DrawHorizonHaze();
    EXPECT_EQ(PixelRgb(5, 299), Hazed(128));
    EXPECT_EQ(PixelRgb(5, 298), (Rgb{100, 100, 100}));
    EXPECT_EQ(CountPixelsNot(kGrey), 640);
}

class GroundGradientTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        PrepareGround(400, 0);
        for (int i = 128; i < 160; ++i) SetPaletteEntry(i, i, 0, 0);  // red byte = index
        FillCanvas(0);
    }
    int IndexAt(int x, int y) { return PixelRgb(x, y).red; }
};

TEST_F(GroundGradientTest, EveryRowReseedsAndReadsOneValuePerPixel) {
    for (int i = 0; i < kRandomTableSize; ++i) RandomTable[i] = (i * 7919) & 32767;
    RandomTable[0] = 2;  // even mode
    const uint32_t state = RandomState();
    DrawGroundGradient(132);
    const int rows = ClipBottom - 400 + 1;
    EXPECT_EQ(RandomState(), StateAfterDraws(state, rows));
    const uint32_t lastState = StateAfterDraws(state, rows);
    EXPECT_EQ(RandomCursor, static_cast<int>((lastState >> 16) & 0x3FFF) + 640) << "last row: reseed, 640 values";
    EXPECT_EQ(IndexAt(0, 399), 0) << "rows above the horizon are left alone";
    for (int x = 0; x < 640; x += 37) {
        EXPECT_GE(IndexAt(x, 400), 155 - 2);  // 155 - grain plus up to grain - 1 of dither
        EXPECT_LE(IndexAt(x, 400), 154);
        EXPECT_GE(IndexAt(x, ClipBottom), 132);
        EXPECT_LE(IndexAt(x, ClipBottom), 135);
    }
}

TEST_F(GroundGradientTest, WideningModeStartsUndithered) {
    RandomTable[0] = 1;  // widening mode: dither width (2 * grain * 256) / rows = 12
    for (int i = 1; i < kRandomTableSize; ++i) RandomTable[i] = 255 + 256 * (i & 1);
    DrawGroundGradient(132);
    // 155 - 2 * grain at the horizon; a dither of 12/256 cannot lift it by an entry.
    for (int x = 0; x < 640; x += 53) EXPECT_EQ(IndexAt(x, 400), 151) << x;
}

// The gradient pixel by pixel as plain arithmetic: each row reseeds the cursor with one
// rand() draw and takes (base + u % dither) >> 8 for each of its 640 table values.
void ExpectPlainGradient(uint32_t state, int horizonRow, int grain, int farIndex) {
    const int rows = ClipBottom - horizonRow + 1;
    const int depth = 2 * grain;  // widening mode
    int base = (kHazeIndex - depth) * 256;
    const int baseStep = ((farIndex - kHazeIndex + depth) * 256) / rows;
    const int ditherStep = (depth * 256) / rows;
    for (int y = horizonRow, dither = ditherStep; y <= ClipBottom; ++y, base += baseStep, dither += ditherStep) {
        state = StateAfterDraws(state, 1);
        const int cursor = static_cast<int>((state >> 16) & 0x3FFF);
        for (int x = 0; x < 640; ++x) {
            const int u = RandomTable[(cursor + x) & kRandomTableMask];
            ASSERT_EQ(PixelRgb(x, y).red, (base + u % dither) >> 8) << x << "," << y << " dither " << dither;
        }
    }
}

// A low horizon makes the first widening row's dither width 1, which the multiply
// cannot take; values outside the rand() range make the whole gradient divide plainly.
TEST_F(GroundGradientTest, UnusualWidthsAndTableValuesGiveThePlainRemainders) {
    for (const int32_t odd : {1000, -70001}) {
        PrepareGround(100, 0);
        Plan.grain = 1;
        for (int i = 0; i < kRandomTableSize; ++i) RandomTable[i] = (i * 7919) & 32767;
        RandomTable[0] = 1;  // widening mode: width (2 * 256) / 380 = 1, growing by 1 a row
        RandomTable[777] = odd;
        FillCanvas(0);
        const uint32_t state = RandomState();
        DrawGroundGradient(132);
        ExpectPlainGradient(state, 100, 1, 132);
    }
}

}  // namespace
}  // namespace vorrith
