// Palette runs: pixels of one row coloured along a palette ramp and dithered by table
// values. Planets, moons and rocks are painted with them. Positions along a run are
// palette indices in 20.12.
//
// ClipPaletteRamp(x0, x1, lowIndex, highIndex, ramp)  the ramp from lowIndex at column
//        x0 to highIndex at column x1 (x0 < x1), cut to ClipLeft ... ClipRight so that
//        the visible columns keep the colours they would have on a wider canvas. False
//        when no column is visible.
// FillDitheredRun(x0, x1, y, lowIndex, highIndex, ditherDepth)  writes such a ramp on
//        row y (a canvas row), each pixel raised by up to ditherDepth - 1 entries by one
//        table value, never past highIndex. A one-pixel run (x0 == x1) takes the middle
//        entry, clipped, and no table value; x0 > x1 draws nothing.
#pragma once

#include <cstdint>

#include "core/fixed_divisor.h"
#include "core/fixed_point.h"

namespace vorrith {

// A clipped ramp: columns first ... last, the position at first and its step per pixel.
struct ClippedRamp {
    int first;
    int last;
    int position;
    int step;
};

bool ClipPaletteRamp(int x0, int x1, int lowIndex, int highIndex, ClippedRamp& ramp);
void FillDitheredRun(int x0, int x1, int y, int lowIndex, int highIndex, int ditherDepth);

// The dither's offset for one table value: noise % depth in 20.12 (truncated, as C++
// divides), or 0 without dither (depth below 1).
class DitherNoise {
public:
    explicit DitherNoise(int depth) : dithered_(depth >= 1), width_(Fixed12::From(dithered_ ? depth : 1)) {}
    int Offset(int noise) const { return dithered_ ? width_.TruncatedRemainder(noise) : 0; }

private:
    bool dithered_;
    FixedDivisor width_;
};

}  // namespace vorrith
