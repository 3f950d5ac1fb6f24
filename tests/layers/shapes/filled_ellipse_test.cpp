// A filled ellipse records its outline's rows and works out a column only where the scan
// reads it, in two loops split at parameter 1024; it must shade exactly as the plain
// outline of stored columns does, for tilts that wrap the parameter past 1024 and 2048,
// outlines cut by the band's rows and the canvas columns, and degenerate radii.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "core/sine_table.h"
#include "layers/shapes/ellipse_shading.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

constexpr BandName kBand = kGroundBand;

// The filled form after its form draw: one draw for the factor, every point stored with
// its column, cursors walking from the first topmost point.
void PlainFilled(int cx, int cy, int rx, int ryFirst, int rySecond, int angle, int strength) {
    const PaletteBand& rows = Plan.bands[kBand];
    const int spread = rand() & 31;
    const int factor = 256 + (strength * (spread + 24)) / 8;
    rx = std::max(rx, 1);
    const int cosTilt = TableCos(angle);
    const int sinTilt = TableSin(angle);
    std::vector<int> xs;
    std::vector<int> ys;
    int start = 0;
    int minY = 32767;
    int maxY = -1;
    for (int theta = angle; theta < angle + 2048; theta += std::max(57 / rx, 1)) {
        const int ex = MulQ15(rx, TableCos(theta));
        const int ey = MulQ15(theta <= 1024 ? ryFirst : rySecond, TableSin(theta));
        const int y = cy + MulQ15(ey, cosTilt) + MulQ15(ex, sinTilt);
        if (y < rows.topRow || y > rows.bottomRow) continue;
        if (y < minY) {
            minY = y;
            start = static_cast<int>(xs.size());
        }
        maxY = std::max(maxY, y);
        xs.push_back(std::clamp(cx + MulQ15(ex, cosTilt) - MulQ15(ey, sinTilt), ClipLeft, ClipRight));
        ys.push_back(y);
    }
    if (maxY <= rows.topRow || minY >= rows.bottomRow || minY > maxY) return;
    const int n = static_cast<int>(xs.size());
    int a = start;
    int b = start;
    for (int y = minY; y <= maxY; ++y) {
        if (xs[a] != xs[b]) Canvas.ScaleSpan(std::min(xs[a], xs[b]), std::max(xs[a], xs[b]), y, factor);
        while (ys[b] < y) b = b + 1 == n ? 0 : b + 1;
        while (ys[a] < y) a = a == 0 ? n - 1 : a - 1;
    }
}

struct Filled {
    int cx, cy, rx, ryFirst, rySecond, angle, strength;
};

class FilledEllipseTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        Plan.bands[kBand] = {128, 159, 200, 420};
    }
    void Paint() {
        static const std::vector<uint8_t> pattern = [] {
            std::vector<uint8_t> bytes(static_cast<size_t>(Canvas.stride) * Canvas.height);
            for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 5 + i / 7);
            return bytes;
        }();
        std::copy(pattern.begin(), pattern.end(), Canvas.pixels);
    }
    // A seed whose first draw picks the filled form, then the plain and the real drawing.
    void ExpectSameAsPlain(const Filled& f, uint32_t seed) {
        srand(seed);
        while ((rand() & 1) == 0) srand(++seed);
        Paint();
        srand(seed);
        rand();  // the form draw
        PlainFilled(f.cx, f.cy, f.rx, f.ryFirst, f.rySecond, f.angle, f.strength);
        const uint64_t plainHash = CanvasHash();
        const uint32_t plainState = RandomState();
        Paint();
        srand(seed);
        ShadeEllipse({f.cx, f.cy, f.rx, f.ryFirst, f.rySecond, f.angle, kBand, f.strength, kNoClipCircle});
        EXPECT_EQ(CanvasHash(), plainHash)
            << f.cx << "," << f.cy << " r " << f.rx << "," << f.ryFirst << "," << f.rySecond << " angle " << f.angle;
        EXPECT_EQ(RandomState(), plainState);
    }
};

TEST_F(FilledEllipseTest, HandPickedEllipsesMatchThePlainOutline) {
    const Filled ellipses[] = {
        {320, 300, 40, 12, 9, 2020, -6},  // a rock's shadow: the parameter passes 2048
        {320, 300, 40, 30, 10, 900, 3},   // the half-axis changes after 1024, mid-turn
        {5, 210, 60, 25, 25, 0, -2},      // cut by the band's top row and column 0
        {630, 415, 90, 40, 35, 300, 2},   // cut by the bottom row and the last column
        {300, 300, 0, 0, 0, 0, -1},       // a point
        {300, 300, 200, 1, 1, 1024, -3},  // flat, starting exactly at 1024
    };
    uint32_t seed = 100;
    for (const Filled& f : ellipses) ExpectSameAsPlain(f, seed += 17);
}

TEST_F(FilledEllipseTest, RandomEllipsesMatchThePlainOutline) {
    srand(99);
    for (int i = 0; i < 120; ++i) {
        Filled f{};
        f.cx = rand() % 760 - 60;
        f.cy = rand() % 320 + 150;
        f.rx = rand() % 120;
        f.ryFirst = rand() % 60;
        f.rySecond = rand() % 60;
        f.angle = rand() % 2048;
        f.strength = rand() % 13 - 6;
        const uint32_t next = RandomState();
        ExpectSameAsPlain(f, 1000u + static_cast<uint32_t>(i) * 7919u);
        srand(next);
    }
}

}  // namespace
}  // namespace vorrith
