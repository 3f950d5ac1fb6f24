#include "layers/bodies/ellipse_shading.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
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

// ScalePixel's byte scaling for one fixed factor, (v * factor + 128) >> 8 capped at 255,
// as a table: the arcs only ever use two factors.
struct ScaleTable {
    uint8_t byte[256];
};

constexpr ScaleTable MakeScaleTable(int factor) {
    ScaleTable table{};
    for (int v = 0; v < 256; ++v) table.byte[v] = static_cast<uint8_t>(std::min((v * factor + 128) >> 8, 255));
    return table;
}

constexpr ScaleTable kCleanArcScale = MakeScaleTable(kCleanArcFactor);
constexpr ScaleTable kJitteredArcScale = MakeScaleTable(kJitteredArcFactor);

// The canvas columns and the clip disc an arc's pixels must lie in. When the disc holds
// every pixel the arc could reach (the four corners of the columns by the band's rows;
// a disc is convex), no pixel needs the distance test.
struct ClipDisc {
    int left;
    int right;
    int x;
    int y;
    int64_t radiusSquared;
    bool coversReach;

    ClipDisc(int cx, int cy, int r, const PaletteBand& rows)
        : left(ClipLeft), right(ClipRight), x(cx), y(cy), radiusSquared(static_cast<int64_t>(r) * r),
          coversReach(Contains(left, rows.topRow) && Contains(left, rows.bottomRow) && Contains(right, rows.topRow) &&
                      Contains(right, rows.bottomRow)) {}
    bool Contains(int px, int py) const {
        const int64_t dx = px - x;
        const int64_t dy = py - y;
        return dy * dy + dx * dx <= radiusSquared;
    }
    bool Admits(int px, int py) const { return px >= left && px <= right && (coversReach || Contains(px, py)); }
};

// The pixels an arc scales, as canvas offsets, collected a chunk at a time: while a
// chunk is filled nothing is written to the canvas, whose byte stores could otherwise
// alias the generator state and the frame and force them out of registers.
constexpr int kChunkPixels = 256;

struct PixelChunk {
    int32_t offset[kChunkPixels];
    int count = 0;
};

void ScaleChunk(const PixelChunk& chunk, const ScaleTable& scale) {
    uint8_t* const pixels = canvas.pixels;
    for (int i = 0; i < chunk.count; ++i) {
        uint8_t* p = pixels + chunk.offset[i];
        p[0] = scale.byte[p[0]];
        p[1] = scale.byte[p[1]];
        p[2] = scale.byte[p[2]];
    }
}

// Steps of a ragged arc that surely land outside the clip disc (clean arcs, small and
// mostly inside their discs, gain nothing from the test). The pixel of a step lies within about
// 1.5 pixels of the ellipse offset (ex, ey) turned by the tilt (two truncations; the
// table's sines and cosines keep lengths to 2.1e-5), then moves by at most 2.9 for its
// jitter, and the ellipse's centre lies within |dx| + |dy| of the disc's. So an offset
// longer than clipR + |dx| + |dy| + 8 puts the pixel outside the disc. Such a step only
// makes its draws, and as the last pixel it leaves one that matches no later pixel
// (kNoPixel): a later pixel equal to it would also lie outside the disc, so whether or
// not it counted as a repeat, it would not be scaled, and it would become the last
// pixel either way. This needs every step's row inside the band (a step outside makes
// one draw and leaves the last pixel alone), offsets small enough for the error bound,
// and centres small enough that no pixel is kNoPixel; otherwise farSquared is 0 and
// every step is walked in full.
constexpr int kNoPixel = INT32_MIN;
constexpr int kFarMargin = 8;
constexpr int kLargestFarRadius = 4096;
constexpr int kLargestFarCentre = 1 << 20;

bool RowsStayInBand(const EllipseFrame& frame, int rx, int ry, const PaletteBand& rows) {
    const int64_t reach = (int64_t{std::abs(ry)} * std::abs(frame.cosTilt) + int64_t{std::abs(rx)} * std::abs(frame.sinTilt)) /
                              32768 + 5;
    return frame.cy - reach >= rows.topRow && frame.cy + reach <= rows.bottomRow;
}

int64_t FarSquared(const EllipseFrame& frame, int rx, int ry, int clipX, int clipY, int clipR, const ClipDisc& clip,
                   const PaletteBand& rows) {
    const auto small = [](int64_t v, int64_t limit) { return v >= -limit && v <= limit; };
    if (clip.coversReach || !small(rx, kLargestFarRadius) || !small(ry, kLargestFarRadius) ||
        !small(clipR, kLargestFarRadius) || !small(frame.cx, kLargestFarCentre) || !small(frame.cy, kLargestFarCentre) ||
        !small(clipX, kLargestFarCentre) || !small(clipY, kLargestFarCentre) || !RowsStayInBand(frame, rx, ry, rows)) {
        return 0;
    }
    const int64_t far = std::abs(clipR) + std::abs(frame.cx - clipX) + std::abs(frame.cy - clipY) + kFarMargin;
    return far * far;
}

bool IsFar(EllipseOffset e, int64_t farSquared) {
    return farSquared != 0 && int64_t{e.ex} * e.ex + int64_t{e.ey} * e.ey > farSquared;
}

// One arc's fixed terms and the walk's position along it.
struct ArcWalk {
    EllipseFrame frame;
    int rx;
    int ry;
    int step;
    int thetaEnd;
    int topRow;
    int bottomRow;
    ClipDisc clip;
    int64_t farSquared;
    int stride;
};

struct ArcCursor {
    int theta;
    int lastX = 0;
    int lastY = 0;
};

// The first parameter from theta on with theta % 1024 == 512 (never a negative one).
int NextVertex(int theta) {
    if (theta <= 512) return 512;
    return 512 + 1024 * ((theta - 512 + 1023) / 1024);
}

// Walks on from the cursor until the arc ends or the chunk is full. Each step scales
// its pixel unless the row lies outside the band, the pixel repeats the previous one,
// or it lies outside the columns or the clip disc; a repeat is judged before clipping.
template <bool kJittered>
void WalkArc(const ArcWalk& walk, ArcCursor& cursor, PixelChunk& chunk) {
    const EllipseFrame frame = walk.frame;
    int theta = cursor.theta;
    int lastX = cursor.lastX;
    int lastY = cursor.lastY;
    int count = 0;
    int vertex = NextVertex(theta);
    for (; theta <= walk.thetaEnd && count < kChunkPixels; theta += walk.step) {
        // The parameter never rests on the top or bottom vertex (theta % 1024 == 512).
        if (theta >= vertex) {
            vertex = NextVertex(theta);
            if (theta == vertex) ++theta;
        }
        const EllipseOffset e = OffsetAt(theta, walk.rx, walk.ry);
        if (kJittered && IsFar(e, walk.farSquared)) {
            JitterOffset();  // the row's and the column's draws, unused
            JitterOffset();
            lastX = kNoPixel;
            continue;
        }
        int y = frame.Row(e);
        if (kJittered) y += JitterOffset();
        if (y < walk.topRow || y > walk.bottomRow) continue;
        int x = frame.Column(e);
        if (kJittered) x += JitterOffset();
        if (x == lastX && y == lastY) continue;
        lastX = x;
        lastY = y;
        if (walk.clip.Admits(x, y)) chunk.offset[count++] = y * walk.stride + 3 * x;
    }
    cursor = {theta, lastX, lastY};
    chunk.count = count;
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

// The outline's steps from theta while below end, all with the vertical semi-axis ry;
// returns the parameter of the next step. Counts and extremes stay in locals while the
// loop runs.
int RecordSteps(Outline& outline, const EllipseFrame& frame, int rx, int ry, int theta, int end, int step,
                const PaletteBand& band) {
    const int top = band.topRow;
    const int bottom = band.bottomRow;
    const int left = ClipLeft;
    const int right = ClipRight;
    int n = outline.count;
    int minY = outline.minY;
    int maxY = outline.maxY;
    int start = outline.start;
    for (; theta < end; theta += step) {
        const EllipseOffset e = OffsetAt(theta, rx, ry);
        const int y = frame.Row(e);
        if (y < top || y > bottom) continue;
        outline.x[n] = std::clamp(frame.Column(e), left, right);
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

void RecordOutline(Outline& outline, int cx, int cy, int rx, int ryFirst, int rySecond, int angle,
                   const PaletteBand& band) {
    const EllipseFrame frame(cx, cy, angle);
    const int step = std::max(kStepNumerator / rx, 1);
    // The parameter runs from the tilt angle upward and is compared unreduced: ryFirst
    // up to 1024, rySecond beyond.
    const int end = angle + kAngleUnitsPerTurn;
    const int theta = RecordSteps(outline, frame, rx, ryFirst, angle, std::min(end, 1025), step, band);
    RecordSteps(outline, frame, rx, rySecond, theta, end, step, band);
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
    const bool jittered = jitter != 0;
    // A radius below 1 is taken as 1 so the step stays defined.
    const int step = std::max(kStepNumerator / std::max(jittered ? jitter : rx, 1), 1);
    const EllipseFrame frame(cx, cy, tilt);
    const ClipDisc clip(clipX, clipY, clipR, rows);
    const int64_t farSquared = jittered ? FarSquared(frame, rx, ry, clipX, clipY, clipR, clip, rows) : 0;
    ArcWalk walk{frame, rx, ry, step, thetaEnd, rows.topRow, rows.bottomRow, clip, farSquared, canvas.stride};
    ArcCursor cursor{thetaStart};
    const ScaleTable& scale = jittered ? kJitteredArcScale : kCleanArcScale;
    PixelChunk chunk;
    while (cursor.theta <= thetaEnd) {
        chunk.count = 0;
        if (jittered) {
            WalkArc<true>(walk, cursor, chunk);
        } else {
            WalkArc<false>(walk, cursor, chunk);
        }
        ScaleChunk(chunk, scale);
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
