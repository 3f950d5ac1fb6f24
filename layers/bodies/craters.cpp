// Moon craters: a darkened ellipse and a lightened copy one pixel right and up, the deep
// ones with a smaller, darker floor first. Near the limb a crater is foreshortened along
// its direction from the centre.
#include <algorithm>
#include <cmath>

#include "core/random.h"
#include "core/sine_table.h"
#include "layers/bodies/moons.h"
#include "layers/shapes/ellipse_shading.h"

namespace vorrith {
namespace {

int IntegerSqrt(int value) { return static_cast<int>(std::sqrt(static_cast<double>(value))); }

struct Crater {
    int x;
    int y;
    int size;
    int ryA;  // vertical semi-axes of the first and second half turn
    int ryB;
    int angle;
    bool deep;
};

// The crater's vertical semi-axes, shrunk by the foreshortening at distance dist.
void Foreshorten(Crater& c, int radius, int dist) {
    if (dist < radius / 4) {
        c.ryA = c.ryB = c.size;
        return;
    }
    c.ryA = (c.size * (radius - dist)) / (radius - dist + 4);
    c.ryB = c.size > 4 ? c.ryA - c.ryA / 8 : c.ryA;
    if (c.ryB + dist > radius) c.ryB = radius - dist;
}

// Everything is kept to the moon's disc and the sky rows of the moon band.
void ShadeCrater(const Crater& c, int moonX, int moonY, int radius, int dither) {
    const int intensityDraw = rand();
    const int intensity = (intensityDraw & 1) + dither / 2;
    const int tilt = c.angle + kQuarterTurn;  // the short axis points at the moon's centre
    const ClipCircle moon{moonX, moonY, radius};
    if (c.deep) ShadeEllipse({c.x, c.y, c.size - 1, c.ryA - 1, c.ryB - 1, tilt, kMoonBand, -1, moon});
    ShadeEllipse({c.x, c.y, c.size, c.ryA, c.ryB, tilt, kMoonBand, -intensity, moon});
    ShadeEllipse({c.x + 1, c.y - 1, c.size, c.ryA, c.ryB, tilt, kMoonBand, intensity, moon});
}

// One crater; a rejected one has still made the draws up to its rejection.
void DrawCrater(int x, int y, int radius, int cap, int dither) {
    const int squared = radius * radius;
    const int angleDraw = rand();
    int angle = angleDraw % kAngleUnitsPerTurn;
    if (angle % kQuarterTurn == 0) angle += 3;  // keeps the crater off the axes
    const int w = rand() % squared;
    const int dist = IntegerSqrt(w);
    const int largest = std::min(IntegerSqrt(squared - w), cap) - 1;
    if (largest <= 0) return;
    Crater c{};
    const int sizeDraw = rand();
    c.size = sizeDraw % largest + 2;
    const int deepDraw = rand();
    c.deep = (deepDraw & 7) == 0 || c.size > radius / 4;
    Foreshorten(c, radius, dist);
    if (c.ryA <= 1 || c.ryB <= 1) return;
    c.angle = angle;
    c.x = x + MulQ15(dist, TableCos(angle));
    c.y = y + MulQ15(dist, TableSin(angle));
    ShadeCrater(c, x, y, radius, dither);
}

}  // namespace

void DrawCraters(int x, int y, int radius, int dither) {
    const int countDraw = rand();
    const int count = ((countDraw % (radius / 2) + radius) * 3) / 4;
    int cap = radius / 2;
    for (int i = 0; i < count; ++i) {
        // The size cap shrinks from crater to crater down to about radius / 8.
        if (cap > radius / 8) cap -= cap / 16;
        DrawCrater(x, y, radius, cap, dither);
    }
}

}  // namespace vorrith
