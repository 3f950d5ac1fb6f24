#include "xsaver/frame_stretch.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/canvas.h"

namespace vorrith {
namespace {

constexpr PixelLayout kRgb{16, 8, 0, 0};

// A 640 x 480 picture whose every pixel differs: blue x, green y, red the high bits.
class StretchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(picture.Allocate(kPictureWidth, kPictureHeight), kAllocated);
        for (int y = 0; y < kPictureHeight; ++y) {
            for (int x = 0; x < kPictureWidth; ++x) picture.PutPixel(x, y, Expected(x, y));
        }
    }
    static uint32_t Expected(int x, int y) {
        return static_cast<uint32_t>((x >> 8 | (y >> 8) << 4) << 16 | (y & 255) << 8 | (x & 255));
    }
    // The frame `part` shows, stretched into a buffer of its own size.
    std::vector<uint32_t> Stretch(const ScreenRect& dest, const ScreenRect& part) {
        const size_t width = static_cast<size_t>(part.right - part.left);
        std::vector<uint32_t> out(width * static_cast<size_t>(part.bottom - part.top));
        StretchPicture(picture, dest, part, kRgb, out.data(), width);
        return out;
    }
    Surface picture;
};

// Each window's last frame of a fade, as the render loop places it, against the plain
// nearest-neighbour formula: pixel (x, y) of a w x h frame shows (x * 640 / w, y * 480 / h).
TEST_F(StretchTest, EveryPixelShowsItsNearestPicturePixel) {
    const struct {
        const char* name;
        std::vector<ScreenRect> areas;
        ScreenRect dest;
        ScreenRect part;
    } cases[] = {
        {"640 x 480: the picture itself", {{0, 0, 640, 480}}, {0, 0, 640, 480}, {0, 0, 640, 480}},
        {"800 x 450: the centred 600 x 450", {{0, 0, 800, 450}}, {100, 0, 700, 450}, {100, 0, 700, 450}},
        {"2000 x 800: enlarged", {{0, 0, 2000, 800}}, {467, 0, 1533, 800}, {467, 0, 1533, 800}},
        {"native size in a small window: clipped to it", {{0, 0, 200, 150}}, {-220, -165, 420, 315}, {0, 0, 200, 150}},
        {"second monitor, 4:3 area of 1280 x 1024",
         {{0, 0, 640, 480}, {640, 0, 1920, 1024}},
         {640, 32, 1920, 992},
         {640, 32, 1920, 992}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ScreenRect part = VisibleFramePart(c.dest, c.areas);
        ASSERT_EQ(part.left, c.part.left);
        ASSERT_EQ(part.top, c.part.top);
        ASSERT_EQ(part.right, c.part.right);
        ASSERT_EQ(part.bottom, c.part.bottom);
        const std::vector<uint32_t> out = Stretch(c.dest, part);
        const int w = c.dest.right - c.dest.left, h = c.dest.bottom - c.dest.top;
        const int partWidth = part.right - part.left;
        for (int y = part.top; y < part.bottom; ++y) {
            for (int x = part.left; x < part.right; ++x) {
                const uint32_t expected = Expected((x - c.dest.left) * 640 / w, (y - c.dest.top) * 480 / h);
                ASSERT_EQ(out[static_cast<size_t>((y - part.top) * partWidth + x - part.left)], expected)
                    << "at " << x << "," << y;
            }
        }
    }
}

TEST(PixelLayoutOfVisual, TrueColourOfEightBitChannelsOnly) {
    PixelLayout layout{};
    ASSERT_TRUE(PixelLayoutOfVisual(0xFF0000, 0xFF00, 0xFF, 24, layout));
    EXPECT_EQ(layout.redShift, 16);
    EXPECT_EQ(layout.blueShift, 0);
    EXPECT_EQ(layout.opaqueBits, 0u);
    ASSERT_TRUE(PixelLayoutOfVisual(0xFF, 0xFF00, 0xFF0000, 32, layout));  // a window with alpha: opaque
    EXPECT_EQ(layout.redShift, 0);
    EXPECT_EQ(layout.opaqueBits, 0xFF000000u);
    EXPECT_FALSE(PixelLayoutOfVisual(0xF800, 0x7E0, 0x1F, 16, layout));
    EXPECT_FALSE(PixelLayoutOfVisual(0xFF0000, 0xFF00, 0xFF, 30, layout));
}

}  // namespace
}  // namespace vorrith
