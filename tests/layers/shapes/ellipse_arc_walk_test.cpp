// The arc walk collects its pixels before scaling them and skips the distance test when
// the clip disc holds everything it could reach; both must leave the same canvas and the
// same generator state as a plain step-by-step walk, over arcs cut by the band's rows,
// the canvas columns and the clip disc.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "core/sine_table.h"
#include "layers/shapes/ellipse_shading.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

constexpr BandName kBand = kPlanetBand;

// The walk one step at a time, scaling each pixel as it is reached.
void PlainArc(int cx, int cy, int rx, int ry, int tilt, int thetaStart, int thetaEnd, int jitter, int clipX, int clipY,
              int clipR) {
    const PaletteBand& rows = Plan.bands[kBand];
    const int cosTilt = TableCos(tilt);
    const int sinTilt = TableSin(tilt);
    const int step = std::max(57 / std::max(jitter != 0 ? jitter : rx, 1), 1);
    int lastX = 0;
    int lastY = 0;
    for (int theta = thetaStart; theta <= thetaEnd; theta += step) {
        if (theta % 1024 == 512) ++theta;
        const int ex = MulQ15(rx, TableCos(theta));
        const int ey = MulQ15(ry, TableSin(theta));
        int y = cy + MulQ15(ey, cosTilt) + MulQ15(ex, sinTilt);
        if (jitter != 0) y += (rand() & 3) - 1;
        if (y < rows.topRow || y > rows.bottomRow) continue;
        int x = cx + MulQ15(ex, cosTilt) - MulQ15(ey, sinTilt);
        if (jitter != 0) x += (rand() & 3) - 1;
        if (x == lastX && y == lastY) continue;
        lastX = x;
        lastY = y;
        const int64_t dx = x - clipX;
        const int64_t dy = y - clipY;
        if (x >= ClipLeft && x <= ClipRight && dx * dx + dy * dy <= static_cast<int64_t>(clipR) * clipR) {
            Canvas.ScalePixel(x, y, jitter != 0 ? 265 : 260);
        }
    }
}

struct Arc {
    int cx, cy, rx, ry, tilt, thetaStart, thetaEnd, jitter, clipX, clipY, clipR;
};

class EllipseArcWalkTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        Plan.bands[kBand] = {64, 95, 40, 300};
    }
    void Paint() {
        for (int i = 0; i < Canvas.stride * Canvas.height; ++i) Canvas.pixels[i] = static_cast<uint8_t>(i * 7 + i / 5);
    }
    // Draws the arc twice from the same canvas and seed; both results must agree.
    void ExpectSameAsPlain(const Arc& a) {
        Paint();
        srand(77);
        PlainArc(a.cx, a.cy, a.rx, a.ry, a.tilt, a.thetaStart, a.thetaEnd, a.jitter, a.clipX, a.clipY, a.clipR);
        const uint64_t plainHash = CanvasHash();
        const uint32_t plainState = RandomState();
        Paint();
        srand(77);
        ShadeEllipseArc(
            {a.cx, a.cy, a.rx, a.ry, a.tilt, a.thetaStart, a.thetaEnd, kBand, a.jitter, {a.clipX, a.clipY, a.clipR}});
        EXPECT_EQ(CanvasHash(), plainHash) << a.cx << "," << a.cy << " r " << a.rx << "," << a.ry << " jitter "
                                           << a.jitter << " theta " << a.thetaStart << "," << a.thetaEnd;
        EXPECT_EQ(RandomState(), plainState);
    }
};

TEST_F(EllipseArcWalkTest, HandPickedArcsMatchThePlainWalk) {
    const Arc arcs[] = {
        {320, 200, 150, 40, 100, 0, 1023, 120, 320, 200, 149},     // long ragged arc, clipped by the disc
        {320, 200, 150, 40, 100, 1024, 2047, 0, 320, 200, 32767},  // clean, disc holding everything
        {10, 50, 200, 150, 1900, -3000, 3000, 30, 0, 0, 32767},    // off the columns, above the rows, wrapping
        {600, 290, 60, 20, 512, 5, 1018, 3, 600, 290, 40},         // large steps, below the band's last row
        {300, 100, 0, 0, 0, 0, 2047, 0, 300, 100, 5},              // a point: every step repeats it
        {320, 240, 400, 400, 0, -1536, -1, 57, 320, 240, 32767},   // negative parameters pass 512 unskipped
        {320, 240, 90, 90, 300, 0, 5000, 1, 330, 250, 60},         // more than one chunk of pixels
    };
    for (const Arc& a : arcs) ExpectSameAsPlain(a);
}

TEST_F(EllipseArcWalkTest, RandomArcsMatchThePlainWalk) {
    srand(2024);
    for (int i = 0; i < 150; ++i) {
        Arc a{};
        a.cx = rand() % 800 - 80;
        a.cy = rand() % 500 - 10;
        a.rx = rand() % 250;
        a.ry = rand() % 250;
        a.tilt = rand() % 4096 - 2048;
        a.thetaStart = rand() % 3000 - 1000;
        a.thetaEnd = a.thetaStart + rand() % 2100;
        a.jitter = (rand() & 1) != 0 ? rand() % 200 : 0;
        a.clipX = a.cx + rand() % 21 - 10;
        a.clipY = a.cy + rand() % 21 - 10;
        a.clipR = (rand() & 3) == 0 ? 32767 : rand() % 300;
        const uint32_t next = RandomState();
        ExpectSameAsPlain(a);
        srand(next);
    }
}

}  // namespace
}  // namespace vorrith
