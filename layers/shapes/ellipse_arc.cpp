// Arcs of ellipse shading: the walk along the parameter, its clipping and the scaling of
// the pixels it passes (ShadeEllipseArc in ellipse_shading.h).
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/shapes/ellipse_frame.h"
#include "layers/shapes/ellipse_shading.h"

namespace vorrith {
namespace {

constexpr int kCleanArcFactor = 260;
constexpr int kJitteredArcFactor = 265;

// -1 ... +2: the ragged offset of a jittered arc.
int JitterOffset() {
    const int r = rand();
    return (r & 3) - 1;
}

// ScalePixel's byte scaling for one fixed factor as a table: the arcs only ever use two
// factors.
struct ScaleTable {
    uint8_t byte[256];
};

constexpr ScaleTable MakeScaleTable(int factor) {
    ScaleTable table{};
    for (int v = 0; v < 256; ++v) table.byte[v] = ScaleByte(v, factor);
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

    ClipDisc(const ClipCircle& circle, const PaletteBand& rows)
        : left(ClipLeft),
          right(ClipRight),
          x(circle.x),
          y(circle.y),
          radiusSquared(static_cast<int64_t>(circle.radius) * circle.radius),
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
    uint8_t* const pixels = Canvas.pixels;
    for (int i = 0; i < chunk.count; ++i) {
        uint8_t* p = pixels + chunk.offset[i];
        p[0] = scale.byte[p[0]];
        p[1] = scale.byte[p[1]];
        p[2] = scale.byte[p[2]];
    }
}

// Steps of a ragged arc that surely land outside the clip disc (clean arcs, small and
// mostly inside their discs, gain nothing from the test). The pixel of a step lies within
// about 1.5 pixels of the ellipse offset (ex, ey) turned by the tilt (two truncations; the
// table's sines and cosines keep lengths to 2.1e-5), then moves by at most 2.9 for its
// jitter, and the ellipse's centre lies within |dx| + |dy| of the disc's. So an offset
// longer than the clip radius + |dx| + |dy| + 8 puts the pixel outside the disc. Such a
// step only makes its draws, and as the last pixel it leaves one that matches no later pixel
// (kNoPixel): a later pixel equal to it would also lie outside the disc, so whether or
// not it counted as a repeat, it would not be scaled, and it would become the last
// pixel either way. This needs every step's row inside the band (a step outside makes
// one draw and leaves the last pixel alone), offsets small enough for the error bound,
// and centres and parameters small enough that no pixel is kNoPixel and no parameter
// overflows; otherwise farSquared is 0 and every step is walked in full.
//
// Far steps gather at the ends of an arc (a band arc is wider than its planet): from
// the start they are tested until the first near one, and at the end every parameter
// from farFrom on is known far (checked backwards once per arc). Steps between are
// walked in full without the test, which is always exact.
constexpr int kNoPixel = INT32_MIN;
constexpr int kFarMargin = 8;
constexpr int kLargestFarRadius = 4096;
constexpr int kLargestFarCentre = 1 << 20;

bool RowsStayInBand(const EllipseFrame& frame, int rx, int ry, const PaletteBand& rows) {
    const int64_t vertical = int64_t{std::abs(ry)} * std::abs(frame.cosTilt);
    const int64_t sideways = int64_t{std::abs(rx)} * std::abs(frame.sinTilt);
    const int64_t reach = (vertical + sideways) / (1 << kQ15Shift) + 5;
    return frame.cy - reach >= rows.topRow && frame.cy + reach <= rows.bottomRow;
}

int64_t FarSquared(const EllipseFrame& frame, const EllipseArc& arc, const ClipDisc& clip, const PaletteBand& rows) {
    const auto small = [](int64_t v, int64_t limit) { return v >= -limit && v <= limit; };
    const ClipCircle& c = arc.clip;
    const bool smallRadii =
        small(arc.rx, kLargestFarRadius) && small(arc.ry, kLargestFarRadius) && small(c.radius, kLargestFarRadius);
    const bool smallCentres = small(frame.cx, kLargestFarCentre) && small(frame.cy, kLargestFarCentre) &&
                              small(c.x, kLargestFarCentre) && small(c.y, kLargestFarCentre) &&
                              small(arc.thetaStart, kLargestFarCentre) && small(arc.thetaEnd, kLargestFarCentre);
    if (clip.coversReach || !smallRadii || !smallCentres || !RowsStayInBand(frame, arc.rx, arc.ry, rows)) {
        return 0;
    }
    const int64_t far = std::abs(c.radius) + std::abs(frame.cx - c.x) + std::abs(frame.cy - c.y) + kFarMargin;
    return far * far;
}

bool IsFar(EllipseOffset e, int64_t farSquared) {
    return farSquared != 0 && int64_t{e.ex} * e.ex + int64_t{e.ey} * e.ey > farSquared;
}

// The first parameter of the far run at the arc's end: every parameter from it up to
// thetaEnd + 1 (a step over the vertex can reach that) is far. INT32_MAX without one.
int FarFrom(int rx, int ry, int thetaStart, int thetaEnd, int64_t farSquared) {
    if (farSquared == 0) return INT32_MAX;
    int theta = thetaEnd + 1;
    while (theta >= thetaStart && IsFar(OffsetAt(theta, rx, ry), farSquared)) --theta;
    return theta + 1;
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

// The first parameter from theta on that points at the top or bottom vertex (a quarter
// turn past a multiple of half a turn; never a negative one).
int NextVertex(int theta) {
    if (theta <= kQuarterTurn) return kQuarterTurn;
    return kQuarterTurn + kHalfTurn * ((theta - kQuarterTurn + kHalfTurn - 1) / kHalfTurn);
}

// A step's parameter, moved off the vertex it would rest on; vertex is kept as the next
// one to watch for.
int StepOffVertex(int theta, int& vertex) {
    if (theta >= vertex) {
        vertex = NextVertex(theta);
        if (theta == vertex) ++theta;
    }
    return theta;
}

// Far steps from the cursor on: the start's run while each step tests far, or (when
// toEnd) every step left. Each makes its two draws; a run leaves kNoPixel as the last
// pixel.
void SkipFarSteps(const ArcWalk& walk, ArcCursor& cursor, bool toEnd) {
    int theta = cursor.theta;
    int vertex = NextVertex(theta);
    for (; theta <= walk.thetaEnd; theta += walk.step) {
        const int t = StepOffVertex(theta, vertex);
        if (!toEnd && !IsFar(OffsetAt(t, walk.rx, walk.ry), walk.farSquared)) break;
        theta = t;
        JitterOffset();  // the row's and the column's draws, unused
        JitterOffset();
        cursor.lastX = kNoPixel;
    }
    cursor.theta = theta;
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
    EllipseOffset previous = kNoOffset;
    for (; theta <= walk.thetaEnd && count < kChunkPixels; theta += walk.step) {
        // The parameter never rests on the top or bottom vertex.
        theta = StepOffVertex(theta, vertex);
        const EllipseOffset e = OffsetAt(theta, walk.rx, walk.ry);
        // A clean step with the offset of the step before repeats its pixel (or its
        // row outside the band) and does nothing; a ragged one still draws.
        if (!kJittered) {
            if (e == previous) continue;
            previous = e;
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

}  // namespace

void ShadeEllipseArc(const EllipseArc& arc) {
    const PaletteBand& rows = Plan.bands[arc.rowsOf];
    const bool jittered = arc.jitter != 0;
    // A radius below 1 is taken as 1 so the step stays defined.
    const int step = std::max(kStepNumerator / std::max(jittered ? arc.jitter : arc.rx, 1), 1);
    const EllipseFrame frame(arc.cx, arc.cy, arc.tilt);
    const ClipDisc clip(arc.clip, rows);
    const int64_t farSquared = jittered ? FarSquared(frame, arc, clip, rows) : 0;
    const int thetaEnd = arc.thetaEnd;
    const int farFrom = FarFrom(arc.rx, arc.ry, arc.thetaStart, thetaEnd, farSquared);
    // The full walk ends before the far run at the end (a step it moves off a vertex
    // into that run is still walked in full, which is always exact).
    const int nearEnd = farSquared == 0 ? thetaEnd : std::min(thetaEnd, farFrom - 1);
    ArcWalk walk{frame, arc.rx, arc.ry, step, thetaEnd, rows.topRow, rows.bottomRow, clip, farSquared, Canvas.stride};
    ArcCursor cursor{arc.thetaStart};
    if (farSquared != 0) SkipFarSteps(walk, cursor, farFrom <= arc.thetaStart);
    const ScaleTable& scale = jittered ? kJitteredArcScale : kCleanArcScale;
    PixelChunk chunk;
    walk.thetaEnd = nearEnd;
    while (cursor.theta <= nearEnd) {
        chunk.count = 0;
        if (jittered) {
            WalkArc<true>(walk, cursor, chunk);
        } else {
            WalkArc<false>(walk, cursor, chunk);
        }
        ScaleChunk(chunk, scale);
    }
    walk.thetaEnd = thetaEnd;
    if (farSquared != 0) SkipFarSteps(walk, cursor, true);
}

}  // namespace vorrith
