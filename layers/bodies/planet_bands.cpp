// Latitude bands: each band is a run of latitudes (distances from the equator) on which
// jittered elliptical arcs, wider than the planet and tilted with the ecliptic, lighten
// the planet above and below its centre.
#include <algorithm>

#include "core/random.h"
#include "core/sine_table.h"
#include "layers/bodies/planet.h"
#include "layers/shapes/ellipse_shading.h"

namespace vorrith {
namespace {

constexpr int kArcOverhang = 25;  // the arcs' horizontal semi-axis exceeds the radius

// One pair of arcs at distance `latitude` from the equator: the half on the
// positive-sine side, then the other, both a little short of the ends of their half
// turn, kept to the planet's disc and the sky rows of the planet band.
void DrawArcPair(int cx, int cy, int radius, int latitude, int tilt, int halfSpan) {
    const int trim = rand() % 40;
    const int narrowing = rand() % halfSpan;  // a ragged arc steps by 57 / jitter
    const int jitter = radius + kArcOverhang - narrowing;
    const ClipCircle planet{cx, cy, radius - 1};
    const int firstShift = rand() & 3;
    const int firstWiden = rand() & 7;
    ShadeEllipseArc({cx + firstShift, cy, radius + kArcOverhang + firstWiden, latitude, tilt, trim,
                     kFirstHalfEnd - trim, kPlanetBand, jitter, planet});
    const int secondShift = rand() & 3;
    const int secondWiden = rand() & 7;
    ShadeEllipseArc({cx + secondShift, cy, radius + kArcOverhang + secondWiden, latitude, tilt, kSecondHalfStart + trim,
                     kSecondHalfEnd - trim, kPlanetBand, jitter, planet});
}

}  // namespace

void DrawPlanetBands(int cx, int cy, int radius, int tilt) {
    const int limit = (7 * radius) / 8;
    const int third = radius / 3;
    const int halfSpan = (radius + kArcOverhang) / 2;
    int gapStart = radius / 16;
    while (gapStart < limit) {
        // Bands and the gaps between them narrow towards the poles: their sizes are drawn
        // below a scale that falls with the cosine of the latitude (a quarter turn at the
        // radius).
        const int scale = MulQ15(third, TableCos((gapStart * kQuarterTurn) / radius)) + 2;
        const int gapDraw = rand();
        int latitude = gapDraw % scale + gapStart + 3;
        const int widthDraw = rand();
        const int width = std::max(widthDraw % scale, 5);
        const int bandEnd = latitude + width;
        const bool sparse = (rand() & 1) != 0;
        // The arcs per latitude follow a sine running from half a turn down towards 0
        // across the band, so most arcs lie in its middle. The angle is kept times the
        // width so that it falls by an exact half turn over the band.
        for (int angle = width * kHalfTurn; latitude < limit && latitude < bandEnd; ++latitude, angle -= kHalfTurn) {
            const int count = TableSin(angle / width) / (sparse ? 14999 : 9999) + 1;
            for (int i = 0; i < count; ++i) DrawArcPair(cx, cy, radius, latitude, tilt, halfSpan);
        }
        gapStart = bandEnd;
    }
}

}  // namespace vorrith
