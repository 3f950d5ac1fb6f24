#include "layers/sky/smooth_disc.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

class SmoothDiscTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        std::memset(Canvas.pixels, 0, static_cast<size_t>(Canvas.stride) * Canvas.height);
    }
    static int CountLit() {
        int lit = 0;
        for (int y = 0; y < Canvas.height; ++y)
            for (int x = 0; x < Canvas.width; ++x) lit += Canvas.GetPixel(x, y) != 0;
        return lit;
    }
};

TEST_F(SmoothDiscTest, SizeOneSetsOnePixelAndSizeZeroNothing) {
    FillSmoothDisc(20, 30, 0, MakeColour(255, 255, 255));
    FillSmoothDisc(20, 30, -4, MakeColour(255, 255, 255));
    EXPECT_EQ(CountLit(), 0);
    FillSmoothDisc(20, 30, 1, MakeColour(200, 100, 50));
    EXPECT_EQ(CountLit(), 1);
    EXPECT_EQ(PixelRgb(20, 30), (Rgb{200, 100, 50}));
    FillSmoothDisc(-1, 30, 1, MakeColour(200, 100, 50));  // clipped, no crash
    EXPECT_EQ(CountLit(), 1);
}

TEST_F(SmoothDiscTest, SizeTwoIsAPlusWithCornersBlendedTwice) {
    const int x = 100, y = 100;
    Canvas.PutPixel(x - 1, y - 1, MakeColour(90, 90, 90));
    FillSmoothDisc(x, y, 2, MakeColour(255, 0, 0));
    for (int d = -1; d <= 1; ++d) {
        EXPECT_EQ(PixelRgb(x + d, y), (Rgb{255, 0, 0}));
        EXPECT_EQ(PixelRgb(x, y + d), (Rgb{255, 0, 0}));
    }
    // Two blends at alpha 170 = (3 - 1) * 256 / 3: 255 * 170 >> 8 = 169, then
    // (169 * 86 + 255 * 170) >> 8 = 226.
    EXPECT_EQ(PixelRgb(x + 1, y + 1), (Rgb{226, 0, 0}));
    EXPECT_EQ(PixelRgb(x + 1, y - 1), (Rgb{226, 0, 0}));
    const int redOnce = (90 * 86 + 255 * 170) >> 8;
    const int greyOnce = (90 * 86) >> 8;
    const int greyTwice = (greyOnce * 86) >> 8;
    EXPECT_EQ(PixelRgb(x - 1, y - 1), (Rgb{(redOnce * 86 + 255 * 170) >> 8, greyTwice, greyTwice}));
    EXPECT_EQ(CountLit(), 9);
}

TEST_F(SmoothDiscTest, LargeDiscIsSolidInsideAndRoundOutside) {
    const int x = 320, y = 240, n = 20;
    FillSmoothDisc(x, y, n, MakeColour(10, 20, 30));
    for (int dy = -n; dy <= n; ++dy) {
        for (int dx = -n; dx <= n; ++dx) {
            const int d2 = dx * dx + dy * dy;
            if (d2 <= (n - 2) * (n - 2)) {
                EXPECT_EQ(PixelRgb(x + dx, y + dy), (Rgb{10, 20, 30})) << dx << "," << dy;
            } else if (d2 > n * n) {
                EXPECT_EQ(PixelRgb(x + dx, y + dy), (Rgb{0, 0, 0})) << dx << "," << dy;
            }
        }
    }
    EXPECT_EQ(PixelRgb(x + n - 1, y), (Rgb{10, 20, 30}));  // the extreme pixels get the full colour
    EXPECT_EQ(PixelRgb(x, y - n + 1), (Rgb{10, 20, 30}));
}

TEST_F(SmoothDiscTest, DiscAcrossTheCornerIsClipped) {
    FillSmoothDisc(2, 2, 12, MakeColour(255, 255, 255));
    EXPECT_EQ(PixelRgb(0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelRgb(639, 479), (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace vorrith
