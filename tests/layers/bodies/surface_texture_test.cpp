#include "layers/bodies/surface_texture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/canvas.h"
#include "core/random.h"
#include "layers/bodies/warp_grid.h"
#include "tests/support/draw_count.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

TEST(WarpGridTest, BuildDrawsTwicePerPointAndPinsTheEdges) {
    WarpGrid grid;
    srand(3);
    const uint32_t start = RandomState();
    ASSERT_TRUE(grid.Build(3, 2));
    EXPECT_EQ(DrawsBetween(start, RandomState()), 2 * 4 * 3);
    for (int i = 0; i <= 2; ++i) {
        for (int j = 0; j <= 3; ++j) {
            const WarpPoint& p = grid.points[i * 4 + j];
            if (j == 0) {
                EXPECT_EQ(p.x, 0);
            }
            if (j == 3) {
                EXPECT_EQ(p.x, 3 * 4096 - 256);
            }
            if (i == 0) {
                EXPECT_EQ(p.y, 0);
            }
            if (i == 2) {
                EXPECT_EQ(p.y, 2 * 4096 - 256);
            }
            EXPECT_GE(p.x, 0);
            EXPECT_GE(p.y, 0);
        }
    }
}

// The first pixel of a block samples its top-left point exactly, and neighbouring
// blocks share the edge samples (the shared corner of four cells here).
TEST(WarpGridTest, WarpSamplesTheCellCorners) {
    WarpGrid grid;
    srand(11);
    ASSERT_TRUE(grid.Build(2, 2));
    std::vector<uint8_t> source(32 * 32);
    for (int i = 0; i < 32 * 32; ++i) source[i] = static_cast<uint8_t>(i * 7 + i / 32);
    std::vector<uint8_t> out(32 * 32, 0);
    grid.Warp(source.data(), 32, out.data(), 32);
    EXPECT_EQ(out[0], source[0]);
    const WarpPoint& middle = grid.points[1 * 3 + 1];
    EXPECT_EQ(out[15 * 32 + 15], source[(middle.y >> 8) * 32 + (middle.x >> 8)]);
    EXPECT_EQ(out[16 * 32 + 16], source[(middle.y >> 8) * 32 + (middle.x >> 8)]);
}

// Every pixel of a warp against the sampling rule written out per pixel, for a grid
// sampled four pixels at a time and for the same grid with one point moved out of the
// range that allows it (sampled one at a time, from a larger source).
TEST(WarpGridTest, WarpMatchesThePerPixelRuleOnBothSamplingPaths) {
    WarpGrid grid;
    srand(12);
    ASSERT_TRUE(grid.Build(4, 3));
    const int stride = 64;
    const int rows = 48;
    std::vector<uint8_t> source(static_cast<size_t>(stride) * rows * 2);
    for (size_t i = 0; i < source.size(); ++i) source[i] = static_cast<uint8_t>(i * 13 + i / 64);
    const auto offsetOf = [&](int px, int py) {
        const WarpPoint* p = grid.points;
        const int c = px / 16, r = py / 16, m = px % 16, n = py % 16;
        const WarpPoint& a = p[r * 5 + c];
        const WarpPoint& b = p[r * 5 + c + 1];
        const WarpPoint& d = p[(r + 1) * 5 + c];
        const WarpPoint& e = p[(r + 1) * 5 + c + 1];
        const int lx = a.x + ((d.x - a.x) * n) / 15, ly = a.y + ((d.y - a.y) * n) / 15;
        const int rx = b.x + ((e.x - b.x) * n) / 15, ry = b.y + ((e.y - b.y) * n) / 15;
        int x = lx * 256, y = ly * 256;
        for (int k = 0; k < m; ++k) {
            x += ((rx - lx) * 256) / 15;
            y += ((ry - ly) * 256) / 15;
        }
        return (y >> 16) * stride + (x >> 16);
    };
    for (int moved = 0; moved < 2; ++moved) {
        if (moved == 1) grid.points[7].y = -1;  // samples stay inside the doubled source
        std::vector<uint8_t> out(static_cast<size_t>(stride) * rows, 0);
        grid.Warp(source.data() + (moved == 1 ? stride * rows : 0), stride, out.data(), stride);
        const uint8_t* base = source.data() + (moved == 1 ? stride * rows : 0);
        for (int py = 0; py < rows; ++py) {
            for (int px = 0; px < stride; ++px) {
                ASSERT_EQ(out[py * stride + px], base[offsetOf(px, py)]) << px << "," << py << " moved " << moved;
            }
        }
    }
}

TEST(SurfaceTextureTest, TextureDrawsNoiseThenTwoValuesPerGridPointInEachPass) {
    srand(21);
    const uint32_t start = RandomState();
    const auto texture = MakeSurfaceTexture(2);
    ASSERT_TRUE(texture);
    EXPECT_EQ(DrawsBetween(start, RandomState()), 32 * 32 + 6 * 2 * 3 * 3);
    EXPECT_EQ(SurfaceTextureCells(4), 1);
    EXPECT_EQ(SurfaceTextureCells(159), 10);
}

TEST(SurfaceTextureTest, MaskKeepsTheDiscInteriorAndClearsTheOutside) {
    const int radius = 13;
    const int stride = 32;
    std::vector<uint8_t> mask(stride * stride, 200);
    CutMaskToDisc(mask.data(), stride, radius);
    const int h = radius - 1;
    for (int row = 0; row < stride; ++row) {
        for (int column = 0; column < stride; ++column) {
            const int d2 = (row - h) * (row - h) + (column - h) * (column - h);
            const int value = mask[row * stride + column];
            if (row >= 2 * radius - 1 || d2 > radius * radius) {
                EXPECT_EQ(value, 0) << column << "," << row;
            } else if (d2 < (radius - 2) * (radius - 2)) {
                EXPECT_EQ(value, 200) << column << "," << row;
            }
        }
    }
    std::vector<uint8_t> tiny(stride * stride, 90);
    CutMaskToDisc(tiny.data(), stride, 1);
    EXPECT_EQ(tiny[0], 90);
    for (int i = 1; i < stride * stride; ++i) ASSERT_EQ(tiny[i], 0) << i;
}

class SurfaceTextureCanvasTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        std::memset(Canvas.pixels, 0xC0, static_cast<size_t>(Canvas.stride) * Canvas.height);
    }
    int ChangedPixels() const {
        int changed = 0;
        for (int y = 0; y < Canvas.height; ++y) {
            for (int x = 0; x < Canvas.width; ++x) changed += Canvas.GetPixel(x, y) != 0xC0C0C0u;
        }
        return changed;
    }
};

TEST_F(SurfaceTextureCanvasTest, RadiusOneTouchesOnlyItsPixel) {
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        srand(seed);
        DrawSurfaceTexture(200, 100, 1, 0);
    }
    EXPECT_LE(ChangedPixels(), 1);
    EXPECT_LT(Canvas.GetPixel(200, 100), 0xC0C0C0u);
}

// Only darkens, only inside the disc, and at the edge draws what an unclipped one draws.
TEST_F(SurfaceTextureCanvasTest, TextureDarkensInsideTheDiscAndDrawsTheSameWhenClipped) {
    srand(8);
    DrawSurfaceTexture(300, 200, 20, 0);
    const uint32_t afterMiddle = RandomState();
    EXPECT_GT(ChangedPixels(), 100);
    for (int y = 0; y < Canvas.height; ++y) {
        for (int x = 0; x < Canvas.width; ++x) {
            const int d2 = (x - 300) * (x - 300) + (y - 200) * (y - 200);
            if (d2 > 20 * 20) {
                ASSERT_EQ(Canvas.GetPixel(x, y), 0xC0C0C0u) << x << "," << y;
            }
        }
    }
    srand(8);
    DrawSurfaceTexture(2, 470, 20, 0);
    EXPECT_EQ(RandomState(), afterMiddle);
}

}  // namespace
}  // namespace vorrith
