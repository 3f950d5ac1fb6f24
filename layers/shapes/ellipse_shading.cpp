#include "layers/shapes/ellipse_shading.h"

#include <algorithm>
#include <cstdint>

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/shapes/ellipse_frame.h"

namespace vorrith {
namespace {

constexpr int kMaxOutlinePoints = kAngleUnitsPerTurn;

// The recorded outline of a filled ellipse: the points whose rows lie in the band. A
// point keeps its row and its parameter; the scan reads the columns of only a few
// points, so a column is worked out when it is read.
struct Outline {
    Outline(int cx, int cy, int angle, int radiusX, int ryFirstHalf, int rySecondHalf)
        : frame(cx, cy, angle),
          rx(radiusX),
          ryFirst(ryFirstHalf),
          rySecond(rySecondHalf) {}

    // The point's column, clamped to the canvas columns.
    int Column(int i) const {
        const int ry = theta[i] <= kHalfTurn ? ryFirst : rySecond;
        return std::clamp(frame.Column(OffsetAt(theta[i], rx, ry)), ClipLeft, ClipRight);
    }

    EllipseFrame frame;
    int rx;
    int ryFirst;
    int rySecond;
    int theta[kMaxOutlinePoints];
    int y[kMaxOutlinePoints];
    int count = 0;
    int start = 0;  // the first topmost point
    int minY = 32767;
    int maxY = -1;
};

// The outline's steps from theta while below end, all with the vertical semi-axis ry;
// returns the parameter of the next step. Counts and extremes stay in locals while the
// loop runs.
int RecordSteps(Outline& outline, int ry, int theta, int end, int step, const PaletteBand& band) {
    const EllipseFrame frame = outline.frame;
    const int rx = outline.rx;
    const int top = band.topRow;
    const int bottom = band.bottomRow;
    int n = outline.count;
    int minY = outline.minY;
    int maxY = outline.maxY;
    int start = outline.start;
    // A step with the offset of the step before repeats its point, and a repeated point
    // changes nothing the scan reads: the cursors stop on the same row and column.
    EllipseOffset previous = kNoOffset;
    for (; theta < end; theta += step) {
        const EllipseOffset e = OffsetAt(theta, rx, ry);
        if (e == previous) continue;
        previous = e;
        const int y = frame.Row(e);
        if (y < top || y > bottom) continue;
        outline.theta[n] = theta;
        outline.y[n] = y;
        if (y < minY) {
            minY = y;
            start = n;
        }
        maxY = std::max(maxY, y);
        ++n;
    }
    outline.count = n;
    outline.minY = minY;
    outline.maxY = maxY;
    outline.start = start;
    return theta;
}

void RecordOutline(Outline& outline, int angle, const PaletteBand& band) {
    const int step = std::max(kStepNumerator / outline.rx, 1);
    // The parameter runs from the tilt angle upward and is compared unreduced: ryFirst
    // up to half a turn, rySecond beyond.
    const int end = angle + kAngleUnitsPerTurn;
    const int theta = RecordSteps(outline, outline.ryFirst, angle, std::min(end, kHalfTurn + 1), step, band);
    RecordSteps(outline, outline.rySecond, theta, end, step, band);
}

void ScaleRun(int x1, int x2, int y, int factor) {
    if (x1 > x2) std::swap(x1, x2);
    Canvas.ScaleSpan(x1, x2, y, factor);
}

int NextPoint(int i, int n) { return i + 1 == n ? 0 : i + 1; }
int PreviousPoint(int i, int n) { return i == 0 ? n - 1 : i - 1; }

// Two cursors walk the outline in opposite directions from its topmost point; each row
// is filled between them as they stood after the previous row.
void ScanOutline(const Outline& outline, int factor) {
    const int n = outline.count;
    int a = outline.start;
    int b = outline.start;
    for (int y = outline.minY; y <= outline.maxY; ++y) {
        const int xa = outline.Column(a);
        const int xb = outline.Column(b);
        if (xa != xb) ScaleRun(xa, xb, y, factor);
        while (outline.y[b] < y) b = NextPoint(b, n);
        while (outline.y[a] < y) a = PreviousPoint(a, n);
    }
}

void ShadeFilledEllipse(const ShadedEllipse& e) {
    const PaletteBand& rows = Plan.bands[e.rowsOf];
    const int spread = rand() & 31;
    const int factor = Fixed8::kOne + (e.strength * (spread + 24)) / 8;
    Outline outline(e.cx, e.cy, e.tilt, std::max(e.rx, 1), e.ryFirst, e.rySecond);
    RecordOutline(outline, e.tilt, rows);
    if (outline.maxY <= rows.topRow || outline.minY >= rows.bottomRow || outline.minY > outline.maxY) return;
    ScanOutline(outline, factor);
}

}  // namespace

void ShadeEllipse(const ShadedEllipse& e) {
    const int form = rand();
    if ((form & 1) == 0) {
        ShadeEllipseArc({e.cx, e.cy, e.rx, e.ryFirst, e.tilt, 0, kFirstHalfEnd, e.rowsOf, 0, e.clip});
        ShadeEllipseArc({e.cx, e.cy, e.rx, e.rySecond, e.tilt, kSecondHalfStart, kSecondHalfEnd, e.rowsOf, 0, e.clip});
        return;
    }
    ShadeFilledEllipse(e);
}

}  // namespace vorrith
