#include "layers/bodies/ellipse_shading.h"

#include <algorithm>
#include <cstdint>

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "core/sine_table.h"

namespace vorrith {
namespace {

constexpr int kCleanArcFactor = 260;
constexpr int kJitteredArcFactor = 265;
// The angular step is 57 / radius, so a walk takes a few steps per pixel of outline
// whatever the size.
constexpr int kStepNumerator = 57;
constexpr int kMaxOutlinePoints = kAngleUnitsPerTurn;

// The ellipse's own offsets for parameter theta, before the tilt.
struct EllipseOffset {
    int ex;
    int ey;
};

EllipseOffset OffsetAt(int theta, int rx, int ry) {
    return {MulQ15(rx, TableCos(theta)), MulQ15(ry, TableSin(theta))};
}

// Centre and tilt of an ellipse, the tilt's sine and cosine looked up once.
struct EllipseFrame {
    int cx;
    int cy;
    int cosTilt;
    int sinTilt;

    EllipseFrame(int x, int y, int tilt) : cx(x), cy(y), cosTilt(TableCos(tilt)), sinTilt(TableSin(tilt)) {}
    int Row(EllipseOffset e) const { return cy + MulQ15(e.ey, cosTilt) + MulQ15(e.ex, sinTilt); }
    int Column(EllipseOffset e) const { return cx + MulQ15(e.ex, cosTilt) - MulQ15(e.ey, sinTilt); }
};

// -1 ... +2: the ragged offset of a jittered arc.
int JitterOffset() {
    const int r = rand();
    return (r & 3) - 1;
}

bool InsideClipDisc(int x, int y, int clipX, int clipY, int clipR) {
    const int64_t dx = x - clipX;
    const int64_t dy = y - clipY;
    return dy * dy + dx * dx <= static_cast<int64_t>(clipR) * clipR;
}

// The recorded outline of a filled ellipse: the points whose rows lie in the band.
struct Outline {
    int x[kMaxOutlinePoints];
    int y[kMaxOutlinePoints];
    int count = 0;
    int start = 0;  // the first topmost point
    int minY = 32767;
    int maxY = -1;
};

void RecordOutline(Outline& outline, int cx, int cy, int rx, int ryFirst, int rySecond, int angle,
                   const PaletteBand& band) {
    const EllipseFrame frame(cx, cy, angle);
    const int step = std::max(kStepNumerator / rx, 1);
    // The parameter runs from the tilt angle upward and is compared unreduced.
    for (int theta = angle; theta < angle + kAngleUnitsPerTurn; theta += step) {
        const int ry = theta <= 1024 ? ryFirst : rySecond;
        const EllipseOffset e = OffsetAt(theta, rx, ry);
        const int y = frame.Row(e);
        if (y < band.topRow || y > band.bottomRow) continue;
        const int x = std::clamp(frame.Column(e), ClipLeft, ClipRight);
        const int n = outline.count;
        outline.x[n] = x;
        outline.y[n] = y;
        if (y < outline.minY) {
            outline.minY = y;
            outline.start = n;
        }
        if (y > outline.maxY) outline.maxY = y;
        outline.count = n + 1;
    }
}

void ScaleRun(int x1, int x2, int y, int factor) {
    if (x1 > x2) std::swap(x1, x2);
    canvas.ScaleSpan(x1, x2, y, factor);
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
        if (outline.x[a] != outline.x[b]) ScaleRun(outline.x[a], outline.x[b], y, factor);
        while (outline.y[b] < y) b = NextPoint(b, n);
        while (outline.y[a] < y) a = PreviousPoint(a, n);
    }
}

void ShadeFilledEllipse(int cx, int cy, int rx, int ryFirst, int rySecond, int band, int angle, int strength) {
    const PaletteBand& rows = Plan.bands[band];
    const int spread = rand() & 31;
    const int factor = 256 + (strength * (spread + 24)) / 8;
    Outline outline;
    RecordOutline(outline, cx, cy, std::max(rx, 1), ryFirst, rySecond, angle, rows);
    if (outline.maxY <= rows.topRow || outline.minY >= rows.bottomRow || outline.minY > outline.maxY) return;
    ScanOutline(outline, factor);
}

}  // namespace

void ShadeEllipseArc(int cx, int cy, int rx, int ry, int tilt, int thetaStart, int thetaEnd, int band,
                     int /*ignored*/, int jitter, int clipX, int clipY, int clipR) {
    const PaletteBand& rows = Plan.bands[band];
    const EllipseFrame frame(cx, cy, tilt);
    const int factor = jitter != 0 ? kJitteredArcFactor : kCleanArcFactor;
    // A radius below 1 is taken as 1 so the step stays defined.
    const int step = std::max(kStepNumerator / std::max(jitter != 0 ? jitter : rx, 1), 1);
    int lastX = 0;
    int lastY = 0;
    for (int theta = thetaStart; theta <= thetaEnd; theta += step) {
        // The parameter never rests on the top or bottom vertex.
        if (theta % 1024 == 512) ++theta;
        const EllipseOffset e = OffsetAt(theta, rx, ry);
        int y = frame.Row(e);
        if (jitter != 0) y += JitterOffset();
        if (y < rows.topRow || y > rows.bottomRow) continue;
        int x = frame.Column(e);
        if (jitter != 0) x += JitterOffset();
        if (x == lastX && y == lastY) continue;
        lastX = x;
        lastY = y;
        if (x >= ClipLeft && x <= ClipRight && InsideClipDisc(x, y, clipX, clipY, clipR)) {
            canvas.ScalePixel(x, y, factor);
        }
    }
}

void ShadeEllipse(int cx, int cy, int rx, int ryFirst, int rySecond, int band, int angle, int strength,
                  int /*ignored*/, int clipX, int clipY, int clipR) {
    const int form = rand();
    if ((form & 1) == 0) {
        ShadeEllipseArc(cx, cy, rx, ryFirst, angle, 0, 1023, band, strength, 0, clipX, clipY, clipR);
        ShadeEllipseArc(cx, cy, rx, rySecond, angle, 1024, 2047, band, strength, 0, clipX, clipY, clipR);
        return;
    }
    ShadeFilledEllipse(cx, cy, rx, ryFirst, rySecond, band, angle, strength);
}

}  // namespace vorrith
