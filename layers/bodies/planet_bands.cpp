// Latitude bands: each band is a run of rows h (distance from the equator) on which
// jittered elliptical arcs, wider than the planet and tilted with the ecliptic, lighten
// the planet above and below its centre.
#include <algorithm>

#include "core/random.h"
#include "core/sine_table.h"
#include "layers/bodies/planet.h"
#include "layers/shapes/ellipse_shading.h"

namespace vorrith {
namespace {

constexpr int kSkyRowsBand = 2;
constexpr int kArcOverhang = 25;  // the arcs' horizontal semi-axis exceeds the radius

// One pair of arcs on row h: the half on the positive-sine side, then the other.
void DrawArcPair(int cx, int cy, int radius, int h, int tilt, int halfSpan) {
    const int u = rand() % 40;
    const int v = rand() % halfSpan;
    const int jitter = radius + kArcOverhang - v;
    const int firstShift = rand() & 3;
    const int firstWiden = rand() & 7;
    ShadeEllipseArc(cx + firstShift, cy, radius + kArcOverhang + firstWiden, h, tilt, u, 1023 - u, kSkyRowsBand, 0,
                    jitter, cx, cy, radius - 1);
    const int secondShift = rand() & 3;
    const int secondWiden = rand() & 7;
    ShadeEllipseArc(cx + secondShift, cy, radius + kArcOverhang + secondWiden, h, tilt, u + 1024, 2047 - u,
                    kSkyRowsBand, 0, jitter, cx, cy, radius - 1);
}

}  // namespace

void DrawPlanetBands(int cx, int cy, int radius, int tilt) {
    const int limit = (7 * radius) / 8;
    const int third = radius / 3;
    const int halfSpan = (radius + kArcOverhang) / 2;
    int f = radius / 16;
    while (f < limit) {
        // Bands and the gaps between them narrow towards the poles.
        const int g = MulQ15(third, TableCos((f * 512) / radius)) + 2;
        const int gapDraw = rand();
        int h = gapDraw % g + f + 3;
        const int widthDraw = rand();
        const int width = std::max(widthDraw % g, 5);
        const int next = h + width;
        const bool sparse = (rand() & 1) != 0;
        // The sine runs from half a turn down towards 0: most arcs in a band's middle.
        for (int a = width << 10; h < limit && h < next; ++h, a -= 1024) {
            const int count = TableSin(a / width) / (sparse ? 14999 : 9999) + 1;
            for (int i = 0; i < count; ++i) DrawArcPair(cx, cy, radius, h, tilt, halfSpan);
        }
        f = next;
    }
}

}  // namespace vorrith
