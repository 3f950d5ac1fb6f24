#include "layers/sky/glow_sprite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

int Byte(const GlowSprite& sprite, int r, int row, int column, int channel) {
    return sprite[(row * GlowSpriteSize(r) + column) * 3 + channel];
}

TEST(GlowSpriteTest, RadiusOneIsTheCentreColourAndRadiusZeroIsNothing) {
    const GlowSprite one = MakeGlowSprite(1, {30, 20, 10}, {9, 9, 9});
    ASSERT_TRUE(one);
    EXPECT_EQ(one[0], 10);  // blue, green, red
    EXPECT_EQ(one[1], 20);
    EXPECT_EQ(one[2], 30);
    EXPECT_FALSE(MakeGlowSprite(0, {1, 1, 1}));
    EXPECT_FALSE(MakeGlowSprite(-3, {1, 1, 1}));
}

TEST(GlowSpriteTest, RadiusThreeOfOneIsTheMiddleThreeByThreeBlock) {
    const GlowSprite sprite = MakeGlowSprite(3, {1, 1, 1});
    ASSERT_TRUE(sprite);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const bool middle = row >= 1 && row <= 3 && column >= 1 && column <= 3;
            for (int channel = 0; channel < 3; ++channel) {
                EXPECT_EQ(Byte(sprite, 3, row, column, channel), middle ? 1 : 0) << row << "," << column;
            }
        }
    }
}

TEST(GlowSpriteTest, FallsOffWithTheSquaredDistanceToTheOuterColour) {
    // h = 4, h2 = 16: channel = outer + (2 * (16 - d2) * (centre - outer) + 16) / 32.
    const GlowSprite sprite = MakeGlowSprite(5, {200, 100, 0}, {10, 0, 0});
    ASSERT_TRUE(sprite);
    EXPECT_EQ(Byte(sprite, 5, 4, 4, 2), 200);                        // centre
    EXPECT_EQ(Byte(sprite, 5, 4, 6, 2), 10 + (24 * 190 + 16) / 32);  // distance 2
    EXPECT_EQ(Byte(sprite, 5, 4, 6, 1), (24 * 100 + 16) / 32);
    EXPECT_EQ(Byte(sprite, 5, 4, 8, 2), 10);  // distance h: the outer colour
    EXPECT_EQ(Byte(sprite, 5, 2, 8, 2), 10);  // d2 = 20 = h2 + h: inside, outer
    EXPECT_EQ(Byte(sprite, 5, 1, 8, 2), 0);   // d2 = 25: outside the disc
    EXPECT_EQ(Byte(sprite, 5, 0, 0, 2), 0);
}

TEST(GlowSpriteTest, RefusesARadiusTooLargeToDraw) {
    EXPECT_TRUE(MakeGlowSprite(300, {1, 1, 1}));  // beyond the largest sun glow
    EXPECT_FALSE(MakeGlowSprite(kMaxGlowRadius + 1, {1, 1, 1}));
    EXPECT_FALSE(MakeGlowSprite(40000, {1, 1, 1}));  // its size would wrap a 32-bit count
}

TEST(GlowSpriteTest, StoresTheLowByteOfEachChannel) {
    const GlowSprite sprite = MakeGlowSprite(1, {256 + 7, 0, 0});
    ASSERT_TRUE(sprite);
    EXPECT_EQ(sprite[2], 7);
}

class AddGlowTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        std::memset(Canvas.pixels, 0, static_cast<size_t>(Canvas.stride) * Canvas.height);
    }
};

TEST_F(AddGlowTest, RoundsTheColoursAndCentresTheSprite) {
    AddGlow(100, 50, 1, 2.5f, 1.49f, 0.0f);
    EXPECT_EQ(PixelRgb(100, 50), (Rgb{3, 1, 0}));
    EXPECT_EQ(PixelRgb(101, 50), (Rgb{0, 0, 0}));
    AddGlow(10, 10, 3, 1, 1, 1);
    EXPECT_EQ(PixelRgb(9, 9), (Rgb{1, 1, 1}));
    EXPECT_EQ(PixelRgb(11, 11), (Rgb{1, 1, 1}));
    EXPECT_EQ(PixelRgb(12, 10), (Rgb{0, 0, 0}));
}

TEST_F(AddGlowTest, AddsWithSaturationAndClipsAtTheEdges) {
    Canvas.PutPixel(0, 0, MakeColour(250, 10, 0));
    AddGlow(0, 0, 2, 20, 20, 20);
    EXPECT_EQ(PixelRgb(0, 0), (Rgb{255, 30, 20}));
    AddGlow(639, 479, 2, 20, 20, 20);
    EXPECT_EQ(PixelRgb(639, 479), (Rgb{20, 20, 20}));
}

TEST_F(AddGlowTest, MissingSpriteIsSkippedQuietly) {
    const uint64_t black = CanvasHash();
    AddGlow(5, 5, 0, 255, 255, 255);
    AddGlow(5, 5, 40000, 255, 255, 255);
    AddGlowSprite(nullptr, 5, 5, 3);
    EXPECT_EQ(CanvasHash(), black);
}

}  // namespace
}  // namespace vorrith

namespace vorrith {
namespace {

// The fall-off computed pixel by pixel, for comparison with the sprite's mirrored fill.
int ReferenceChannel(int r, int outer, int centre, int dx, int dy) {
    const int h = r - 1, h2 = h * h;
    if (dx * dx + dy * dy > h2 + h) return 0;
    const int w = std::max(0, 2 * (h2 - dx * dx - dy * dy));
    return static_cast<uint8_t>(outer + (w * (centre - outer) + h2) / (2 * h2));
}

// Every pixel of sprites of many radii, dimming and brightening outwards, against the
// formula; and every row's span must hold all of its non-zero pixels.
TEST(GlowSpriteTest, EveryPixelFollowsTheFallOffAndLiesInItsRowSpan) {
    const int colours[][6] = {
        {0, 1, 0, 2, 0, 5}, {0, 255, 0, 128, 0, 3}, {10, 200, 0, 100, 7, 7}, {90, 4, 255, 0, 3, 1}};
    for (int r = 2; r <= 24; ++r) {
        for (const auto& c : colours) {
            const GlowSprite sprite = MakeGlowSprite(r, {c[1], c[3], c[5]}, {c[0], c[2], c[4]});
            ASSERT_TRUE(sprite);
            const int size = GlowSpriteSize(r);
            for (int row = 0; row < size; ++row) {
                const PixelSpan span = sprite.RowSpans()[row];
                for (int column = 0; column < size; ++column) {
                    const int expected[3] = {ReferenceChannel(r, c[4], c[5], column - r + 1, row - r + 1),
                                             ReferenceChannel(r, c[2], c[3], column - r + 1, row - r + 1),
                                             ReferenceChannel(r, c[0], c[1], column - r + 1, row - r + 1)};
                    for (int k = 0; k < 3; ++k) {
                        ASSERT_EQ(Byte(sprite, r, row, column, k), expected[k]) << r << " " << row << "," << column;
                    }
                    const bool inSpan = column >= span.first && column < span.first + span.count;
                    if (!inSpan) {
                        ASSERT_EQ(expected[0] | expected[1] | expected[2], 0) << r << " " << row << "," << column;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace vorrith
