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
    if (IsInsideColumns(x)) Canvas.BlendPixel(x, row, alpha, colour);
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

// The disc in the cap's colour range.
ShadedDisc InCapColours(const ShadedDisc& disc, const CapRange& cap) {
    ShadedDisc capped = disc;
    capped.lowIndex = cap.low;
    capped.highIndex = cap.high;
    return capped;
}

void FillSkyRow(const ShadedDisc& disc, int x0, int x1, int row) {
    if (IsSkyRow(row)) FillShadedSpan(x0, x1, row, disc.lowIndex, disc.highIndex, disc.phaseIndex, disc.ditherDepth);
}

}  // namespace

void BlendRimPixels(const ShadedDisc& disc, int a, int b, int weight) {
    const int cx = disc.cx, cy = disc.cy;
    const int leftIndex = disc.lowIndex, rightIndex = disc.highIndex, phaseIndex = disc.phaseIndex;
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
    if (radius < 1) return;
    const int mid = (disc.lowIndex + disc.highIndex) / 2;
    if (radius == 1) {
        if (cy < Plan.horizonRow) Canvas.PutPixelClipped(cx, cy, PaletteColour(mid));
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
        BlendRimPixels(InCapColours(disc, cap), k, r, weight);
        BlendRimPixels(disc, r, k, weight);
        if (r >= 1) {
            FillSkyRow(disc, cx - r + 1, cx + r - 1, cy - k);
            if (k != 0) FillSkyRow(disc, cx - r + 1, cx + r - 1, cy + k);
        }
        err += 2 * k + 1;
        ++k;
        if (err >= d) {
            WidenCap(cap, disc.lowIndex, disc.highIndex);
            err += 1 - t;
            t -= 2;
            --r;
            const ShadedDisc capped = InCapColours(disc, cap);
            FillSkyRow(capped, cx - (k - 1), cx + (k - 1), cy - r);
            if (r != 0) FillSkyRow(capped, cx - (k - 1), cx + (k - 1), cy + r);
        }
    }
}

}  // namespace vorrith
