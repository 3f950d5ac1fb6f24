// The relief march skips, caches and rearranges work for speed; this plain march takes
// every step as the terrain is defined (a bilinear sample per step, both divisions per
// visible step, a ReliefShade per byte) and must leave the same canvas and the same
// generator state for any horizon, including ones no scene plan chooses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "layers/ground/relief.h"
#include "layers/ground/stretch_levels.h"
#include "layers/shapes/noise_texture.h"
#include "tests/layers/ground/ground_test_support.h"

namespace vorrith {
namespace {

struct PlainView {
    int topRow, eyeHeight, focalLength;
};

int PlainSample(const uint8_t* map, int across, int l) {
    const int cell = (across >> 18) & 63, f = (across >> 10) & 255;
    const uint8_t* near = map + ((l >> 4) & 63) * 64;
    const uint8_t* far = map + (((l >> 4) + 1) & 63) * 64;
    const int hA = near[cell] * 256 + (near[(cell + 1) & 63] - near[cell]) * f;
    const int hB = far[cell] * 256 + (far[(cell + 1) & 63] - far[cell]) * f;
    return hA * 256 + (hB - hA) * (16 * (l & 15));
}

void PlainPaint(int x, int from, int to, int shade, const std::vector<uint32_t>& horizon) {
    for (int y = std::min(from, 479); y >= to; --y) {
        uint32_t base = Canvas.GetPixel(x, y);
        if (y <= Plan.horizonRow) {
            const int jitter = rand() % 5;
            base = horizon[std::max(0, std::min(x + jitter - 3, 639))];
        }
        uint8_t* p = Canvas.PixelAddress(x, y);
        for (int c = 0; c < 3; ++c) p[c] = ReliefShade(static_cast<uint8_t>(base >> (8 * c)), shade);
    }
}

void PlainColumn(int x, const uint8_t* map, const PlainView& v, const std::vector<uint32_t>& horizon) {
    const int dx = ((2 * x - 640) * 4096) / v.focalLength;
    int across = 0, l = 0, depth = 0, height = v.eyeHeight * 4096;
    int slope = -((v.eyeHeight * 4096) / v.focalLength), lowest = 479, offset = 0, edgeDepth = 0;
    uint32_t above = 0;
    for (int step = 0; step < 900; ++step) {
        const int h = PlainSample(map, across, l);
        across += dx;
        depth += 2, ++l;
        const bool far = depth >= 1200;
        if (far) depth += 2, ++l;
        if ((h >> 6) > height) {
            height = h >> 6;
            const int rise = height - v.eyeHeight * 4096;
            slope = (l + 2 * rise) / depth;
            edgeDepth = l * 4096;
            offset = rise * v.focalLength;
            int cut = v.topRow - offset / edgeDepth;
            if (cut < 0) cut = 0, offset = 0;
            if (cut <= lowest && cut < 480) above = Canvas.GetPixel(x, cut);
            PlainPaint(x, lowest, cut, (h >> 16) & 255, horizon);
            lowest = cut - 1;
            if (cut == 0) break;
        }
        if (far) across += dx, height += slope;
        height += slope;
    }
    const int den = edgeDepth >> 4, y = lowest + 1;
    if (den <= 0 || y < 0 || y >= 480) return;
    const int frac = (std::abs(offset) >> 4) % den;
    uint8_t* p = Canvas.PixelAddress(x, y);
    for (int c = 0; c < 3; ++c)
        p[c] = static_cast<uint8_t>((p[c] * (den - frac) + ((above >> (8 * c)) & 255) * frac) / den);
}

void PlainRelief() {
    std::vector<uint8_t> map(4096);
    FillNoiseBytes(map.data(), 4096);
    for (int pass = 0; pass < 15; ++pass) SmoothWrapped(map.data(), 64, 64);
    StretchLevels(map.data(), 4096, 0, 255);
    std::vector<uint32_t> horizon(640);
    for (int x = 0; x < 640; ++x) horizon[x] = Canvas.GetPixel(x, Plan.horizonRow);
    PlainView v;
    v.topRow = Plan.horizonRow - (480 - Plan.horizonRow) / 2;
    v.eyeHeight = 480 - v.topRow - 1;
    v.focalLength = 480;
    for (int x = 0; x < 640; ++x) PlainColumn(x, map.data(), v, horizon);
}

// Every pixel a different mix, so a row lit from the wrong pixel shows.
void FillPattern() {
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x)
            Canvas.PutPixel(x, y, ((x * 7 + y * 13) & 255) | ((x * 3 & 255) << 8) | ((y & 255) << 16));
    }
}

// ReliefShade is computed as one multiply-add; the two plain forms it stands for.
TEST(ReliefShadeTest, MatchesBrighteningAndDarkeningForEveryByteAndHeight) {
    for (int height = 0; height < 256; ++height) {
        for (int value = 0; value < 256; ++value) {
            const int plain =
                height > 128 ? value + (((255 - value) * (height - 128)) >> 8) : (value * (height + 128)) >> 8;
            ASSERT_EQ(ReliefShade(value, height), plain) << value << " at height " << height;
        }
    }
}

class ReliefMarchTest : public CanvasTest, public ::testing::WithParamInterface<int> {};

// Horizons 0 and 60 put the map's horizon above the canvas (columns painted to the top
// row, cut off at row 0); 287 and 402 bound the rows scene plans choose; 470 and 479
// put the eye below the highest terrain, so the ray starts among the hills and can
// climb.
TEST_P(ReliefMarchTest, SameCanvasAndDrawsAsThePlainMarch) {
    for (const uint32_t seed : {7u, 4242u}) {
        PrepareGround(GetParam(), 0);
        FillPattern();
        vorrith::srand(seed);
        PlainRelief();
        const uint64_t expected = CanvasHash();
        const uint32_t expectedState = RandomState();
        FillPattern();
        vorrith::srand(seed);
        DrawRelief();
        EXPECT_EQ(CanvasHash(), expected) << "seed " << seed;
        EXPECT_EQ(RandomState(), expectedState) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Horizons, ReliefMarchTest, ::testing::Values(0, 60, 200, 287, 330, 402, 440, 470, 479));

}  // namespace
}  // namespace vorrith
