// The disc walk and its anti-aliased rim.
#include "layers/bodies/shaded_disc.h"

#include <algorithm>

#include "core/canvas.h"
#include "core/fixed_point.h"
#include "core/palette.h"
#include "core/scene_plan.h"

namespace vorrith {
namespace {

bool IsSkyRow(int row) { return row >= ClipTop && row < Plan.horizonRow; }
bool IsInsideColumns(int x) { return x >= ClipLeft && x <= ClipRight; }

void BlendIfInsideColumns(int x, int row, int alpha, uint32_t colour) {
    if (IsInsideColumns(x)) canvas.BlendPixel(x, row, alpha, colour);
}

// Without a phase: the left pixel, then (off the centre column) the right one.
void BlendUnphasedRimRow(int xL, int xR, int row, int leftIndex, int rightIndex, int alpha) {
    BlendIfInsideColumns(xL, row, alpha, PaletteColour(leftIndex));
    if (xR != xL) BlendIfInsideColumns(xR, row, alpha, PaletteColour(rightIndex));
}

// With a phase: rim colours below the phase index take the sky's colour, and the two
// entries at the terminator are blended more weakly. The sky draw is made before the
// column test, so a rim pixel outside the columns still consumes it.
void BlendPhasedRimRow(int xL, int xR, int row, int leftIndex, int rightIndex, int phaseIndex, int w) {
    const uint32_t left = leftIndex >= phaseIndex ? PaletteColour(leftIndex) : PaletteColour(SkyShadeIndex(row));
    BlendIfInsideColumns(xL, row, 2 * w, left);
    if (rightIndex < phaseIndex) {
        const uint32_t sky = PaletteColour(SkyShadeIndex(row));
        BlendIfInsideColumns(xR, row, 2 * w, sky);
    } else if (rightIndex > phaseIndex + 1) {
        BlendIfInsideColumns(xR, row, 2 * w, PaletteColour(rightIndex));
    } else {
        BlendIfInsideColumns(xR, row, 2 * (((rightIndex - phaseIndex + 1) * w) / 3), PaletteColour(rightIndex));
    }
}

// The disc's cap ranges widen by step each time the walk drops a row: 8, 4, 2, 1, ...
// with visible suns, 6, 3, 1, ... without.
struct CapRange {
    int low;
    int high;
    int step;
};

void WidenCap(CapRange& cap, int lowIndex, int highIndex) {
    if (cap.low > lowIndex) cap.low -= cap.step;
    if (cap.high < highIndex) cap.high += cap.step;
    if (cap.step > 1) cap.step >>= 1;
}

void FillSkyRow(int x0, int x1, int row, int lowIndex, int highIndex, int phaseIndex, int ditherDepth) {
    if (IsSkyRow(row)) FillShadedSpan(x0, x1, row, lowIndex, highIndex, phaseIndex, ditherDepth);
}

}  // namespace

void BlendRimPixels(int a, int b, int cx, int cy, int leftIndex, int rightIndex, int phaseIndex, int weight) {
    const int w = std::clamp(weight, 0, 128);
    const int xL = cx - a;
    const int xR = cx + a;
    if (phaseIndex == 0) {
        // Both rows even when b is 0: the middle row is blended twice.
        if (IsSkyRow(cy - b)) BlendUnphasedRimRow(xL, xR, cy - b, leftIndex, rightIndex, 2 * w);
        if (IsSkyRow(cy + b)) BlendUnphasedRimRow(xL, xR, cy + b, leftIndex, rightIndex, 2 * w);
        return;
    }
    if (IsSkyRow(cy - b)) BlendPhasedRimRow(xL, xR, cy - b, leftIndex, rightIndex, phaseIndex, w);
    if (b != 0 && IsSkyRow(cy + b)) BlendPhasedRimRow(xL, xR, cy + b, leftIndex, rightIndex, phaseIndex, w);
}

// A midpoint walk over the first octant: err = k^2 + R^2 - (radius - 1)^2 throughout,
// and R drops once k^2 + R^2 reaches radius^2.
void DrawShadedDisc(const ShadedDisc& disc) {
    const int cx = disc.cx, cy = disc.cy, radius = disc.radius;
    const int lowIndex = disc.lowIndex, highIndex = disc.highIndex;
    const int phaseIndex = disc.phaseIndex, ditherDepth = disc.ditherDepth;
    if (radius < 1) return;
    const int mid = (lowIndex + highIndex) / 2;
    if (radius == 1) {
        if (cy < Plan.horizonRow) canvas.PutPixelClipped(cx, cy, PaletteColour(mid));
        return;
    }
    CapRange cap{mid, mid, Plan.sunVisible ? 8 : 6};
    int r = radius - 1;
    const int d = 2 * r + 1;
    int t = 2 * r;
    int k = 0;
    int err = 0;
    while (r >= k) {
        const int weight = Fixed8::Ratio(d - err, d) / 2;
        BlendRimPixels(k, r, cx, cy, cap.low, cap.high, phaseIndex, weight);
        BlendRimPixels(r, k, cx, cy, lowIndex, highIndex, phaseIndex, weight);
        if (r >= 1) {
            FillSkyRow(cx - r + 1, cx + r - 1, cy - k, lowIndex, highIndex, phaseIndex, ditherDepth);
            if (k != 0) FillSkyRow(cx - r + 1, cx + r - 1, cy + k, lowIndex, highIndex, phaseIndex, ditherDepth);
        }
        err += 2 * k + 1;
        ++k;
        if (err >= d) {
            WidenCap(cap, lowIndex, highIndex);
            err += 1 - t;
            t -= 2;
            --r;
            FillSkyRow(cx - (k - 1), cx + (k - 1), cy - r, cap.low, cap.high, phaseIndex, ditherDepth);
            if (r != 0) FillSkyRow(cx - (k - 1), cx + (k - 1), cy + r, cap.low, cap.high, phaseIndex, ditherDepth);
        }
    }
}

}  // namespace vorrith
