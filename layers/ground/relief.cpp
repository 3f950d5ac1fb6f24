#include "layers/ground/relief.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "core/canvas.h"
#include "core/fixed_point.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/ground/relief_map.h"

namespace vorrith {
namespace {

constexpr int kMaxSteps = 900;
constexpr int kFarDepth = 1200;  // from here on each step covers two map sub-rows

// Ray heights are in 20.12 of a canvas row. A terrain sample is a height byte in 16.16
// (bilinear in 8.8 twice); in ray units a byte of height is a quarter row, so a sample
// is compared after a shift by 6. Its whole part, the height byte, lights the pixels.
constexpr int kQuarterRowShift = 2;
constexpr int kSampleToRayShift = Fixed16::kShift - Fixed12::kShift + kQuarterRowShift;
constexpr int RayUnitsOfSample(int sample) { return sample >> kSampleToRayShift; }
int HeightByteOfSample(int sample) { return Fixed16::Floor(sample) & 255; }

// The highest the terrain under a ray can reach, in the ray's units: all four map bytes
// 255.
constexpr int kHighestTerrain = RayUnitsOfSample(Fixed16::From(255));

// The march counts its distance in 1/16 map rows (sub-rows). A step samples at its
// distance, then moves one sub-row on (two from the far depth on, where twice the
// distance reaches kFarDepth), and the ray's across position has moved by dx for each
// sub-row: it is distance * dx when sampling.
constexpr int kFirstFarSample = kFarDepth / 2 - 1;
constexpr int kEndSample = kFirstFarSample + 2 * (kMaxSteps - kFirstFarSample);
static_assert(kFarDepth % 2 == 0 && kFirstFarSample < kMaxSteps, "the far steps follow the near ones");

// Projection constants shared by every column.
struct ReliefView {
    int topRow;       // the row the map's far horizon projects to
    int eyeHeight;    // the viewer's height over the map, in rows
    int eyeLevel;     // the same in 20.12, where every ray starts
    int focalLength;  // in pixels
    int startSlope;   // the rays' fall per sub-row before they meet terrain, 20.12
};

ReliefView ViewOfScene() {
    ReliefView view;
    view.topRow = Plan.horizonRow - (SceneHeight - Plan.horizonRow) / 2;
    view.eyeHeight = SceneHeight - view.topRow - 1;
    view.eyeLevel = Fixed12::From(view.eyeHeight);
    view.focalLength = (3 * SceneWidth) / 4;
    view.startSlope = -Fixed12::Ratio(view.eyeHeight, view.focalLength);
    return view;
}

// Where every column's ray first may meet the terrain: until its height falls below the
// highest terrain it samples nothing, and up to there all columns march alike.
struct MarchStart {
    int sample = 0;  // the distance of the first step that can meet the terrain
    int height = 0;
};

MarchStart StartOfMarch(const ReliefView& view) {
    MarchStart start;
    start.height = view.eyeLevel;
    while (start.sample < kEndSample && start.height >= kHighestTerrain) {
        const int advance = start.sample < kFirstFarSample ? 1 : 2;
        start.height += advance * view.startSlope;
        start.sample += advance;
    }
    return start;
}

// ReliefShade as one multiply-add: brightening by k = height - 128 is
// value + (((255 - value) * k) >> 8), and as value * 256 is a whole multiple of 256 that
// equals (value * (256 - k) + 255 * k) >> 8; darkening is (value * (height + 128)) >> 8.
struct ReliefLight {
    int scale;
    int lift;
    uint8_t operator()(int value) const { return static_cast<uint8_t>(Fixed8::Floor(value * scale + lift)); }
};

ReliefLight LightOfHeight(int height) {
    if (height > 128) return {256 - (height - 128), 255 * (height - 128)};
    return {height + 128, 0};
}

// Lights a pixel from the colour bytes base (blue, green, red).
void PaintPixel(uint8_t* pixel, const uint8_t* base, const ReliefLight& light) {
    const int blue = base[0], green = base[1], red = base[2];
    pixel[0] = light(blue);
    pixel[1] = light(green);
    pixel[2] = light(red);
}

// Paints the rows from y up to the horizon row (inclusive) or toRow, whichever is
// lower, each lit from the horizon row's colour a few columns away, one rand() each.
void PaintOverHorizon(int x, int y, int toRow, const ReliefLight& light, const std::vector<uint32_t>& horizonColours) {
    const int stride = Canvas.stride;
    for (uint8_t* pixel = Canvas.PixelAddress(x, y); y >= toRow; --y, pixel -= stride) {
        const int jitter = rand() % 5;
        const int column = std::max(0, std::min(x + jitter - 3, SceneWidth - 1));
        const uint32_t colour = horizonColours[column];
        const uint8_t base[3] = {BlueOf(colour), GreenOf(colour), RedOf(colour)};
        PaintPixel(pixel, base, light);
    }
}

// Paints rows fromRow up to toRow (fromRow >= toRow), from the bottom up. Rows below the
// horizon are lit from the ground under them, rows at or above it from the horizon row.
// Rows below the canvas are never painted: a projection that lands there has nothing
// to paint (and no horizon row to draw a value for).
[[gnu::noinline]] void PaintRows(int x, int fromRow, int toRow, int shade,
                                 const std::vector<uint32_t>& horizonColours) {
    const ReliefLight light = LightOfHeight(shade);
    const int stride = Canvas.stride;
    int y = std::min(fromRow, SceneHeight - 1);
    const int groundEnd = std::max(toRow, Plan.horizonRow + 1);
    for (uint8_t* pixel = Canvas.PixelAddress(x, y); y >= groundEnd; --y, pixel -= stride)
        PaintPixel(pixel, pixel, light);
    if (y >= toRow) PaintOverHorizon(x, y, toRow, light, horizonColours);
}

// What the last visible step leaves for the column's top blend: the terrain's height
// over the eye times the focal length, and its distance in 20.12, whose quotient is
// the projected row; and the colour that was at the top row before.
struct TopEdge {
    int offset = 0;
    int depth = 0;
    uint32_t above = 0;
};

// Mixes the column's top painted pixel with the colour that was there before, by the
// fraction of the row the terrain's projection passed, worked out in 24.8.
void BlendTop(int x, int y, const TopEdge& edge) {
    const int den = Fixed8::FromFixed<Fixed12>(edge.depth);
    if (den <= 0 || y < 0 || y >= SceneHeight) return;
    const int frac = Fixed8::FromFixed<Fixed12>(std::abs(edge.offset)) % den;
    uint8_t* pixel = Canvas.PixelAddress(x, y);
    const uint32_t above = edge.above;
    const int aboveBytes[3] = {BlueOf(above), GreenOf(above), RedOf(above)};
    for (int c = 0; c < 3; ++c) pixel[c] = static_cast<uint8_t>((pixel[c] * (den - frac) + aboveBytes[c] * frac) / den);
}

// Everything a column's march reads but does not change.
struct ReliefScene {
    const ReliefMap& map;
    const ReliefView& view;
    const std::vector<uint32_t>& horizonColours;
};

// The ray of one column: its height and slope in 20.12, and how far up the column is
// painted. The march keeps its own copies of the fields it changes on every step.
struct ColumnRay {
    int x;
    int dx;
    int height;
    int slope;
    int lowestUnpainted = SceneHeight - 1;
    TopEdge edge;
};

// The terrain's projection reaches row `cut`, at or above the painted part of the
// column: the rows up to it are painted, lit by the height byte of the terrain sample.
// Returns the colour that was at the top row before. Nearly always the projection has
// risen by one row over the ground: that row is lit in place here, anything else is
// left to PaintRows.
inline uint32_t PaintUpTo(int x, int cut, int lowestUnpainted, int sample, const ReliefScene& scene) {
    uint8_t* const pixel = Canvas.PixelAddress(x, cut);
    const uint32_t above = Canvas.GetPixel(x, cut);
    if (cut == std::min(lowestUnpainted, SceneHeight - 1) && cut > Plan.horizonRow) {
        PaintPixel(pixel, pixel, LightOfHeight(HeightByteOfSample(sample)));
    } else {
        PaintRows(x, lowestUnpainted, cut, HeightByteOfSample(sample), scene.horizonColours);
    }
    return above;
}

// The terrain sample rises above the ray at `distance`: the ray now passes over it,
// and the column is painted up to the terrain's projected row. True when that row is
// the top of the canvas.
inline bool PassOverTerrain(ColumnRay& ray, int sample, int distance, const ReliefScene& scene) {
    const ReliefView& view = scene.view;
    ray.height = RayUnitsOfSample(sample);
    const int rise = ray.height - view.eyeLevel;
    ray.slope = (distance + 2 * rise) / (2 * distance);  // rounded
    ray.edge.depth = Fixed12::From(distance);
    ray.edge.offset = rise * view.focalLength;
    int cut = view.topRow - ray.edge.offset / ray.edge.depth;
    if (cut < 0) {
        cut = 0;
        ray.edge.offset = 0;
    }
    if (cut <= ray.lowestUnpainted && cut < SceneHeight) {
        ray.edge.above = PaintUpTo(ray.x, cut, ray.lowestUnpainted, sample, scene);
    }
    ray.lowestUnpainted = cut - 1;
    return cut == 0;
}

// How many steps from `distance` (every kAdvance sub-rows, below toSample) stay between
// the same two map rows: a row pair ends where the distance reaches a multiple of 16.
template <int kAdvance>
int StepsInRowPair(int distance, int toSample) {
    const int end = std::min((distance | 15) + 1, toSample);
    return (end - distance + kAdvance - 1) / kAdvance;
}

// How many steps from across, moving by stride each, stay in the same map cell.
// Rays near the picture's sides cross a cell every few dozen steps; the middle
// column's ray (dx = 0) never leaves its cell.
int StepsInCell(int across, int stride) {
    constexpr int kCellWidth = 1 << ReliefMap::kCellShift;
    const int cellStart = (across >> ReliefMap::kCellShift) * kCellWidth;
    if (stride > 0) return (cellStart + kCellWidth - across + stride - 1) / stride;
    if (stride < 0) return (across - cellStart) / -stride + 1;
    return kEndSample;
}

// Marches the steps sampling at fromSample, fromSample + kAdvance, ... below toSample,
// on a copy of the ray the compiler can keep in registers, one stretch of steps within
// a cell and row pair at a time. True when the column is painted to the top.
template <int kAdvance>
bool MarchSteps(ColumnRay& column, int fromSample, int toSample, const ReliefScene& scene) {
    ColumnRay ray = column;
    const int stride = kAdvance * ray.dx;
    int across = fromSample * ray.dx;
    for (int distance = fromSample; distance < toSample;) {
        CellRun run = scene.map.RunAt(distance, ReliefMap::CellOf(across), kAdvance);
        const int stop =
            distance + kAdvance * std::min(StepsInRowPair<kAdvance>(distance, toSample), StepsInCell(across, stride));
        for (; distance != stop; distance += kAdvance) {
            const int sample = run.base + ReliefMap::FractionOf(across) * run.gain;
            run.base += run.baseStep;
            run.gain += run.gainStep;
            if (RayUnitsOfSample(sample) > ray.height && PassOverTerrain(ray, sample, distance + kAdvance, scene)) {
                column = ray;
                return true;
            }
            across += stride;
            ray.height += kAdvance * ray.slope;
        }
    }
    column = ray;
    return false;
}

void MarchColumn(int x, const MarchStart& start, const ReliefScene& scene) {
    ColumnRay ray;
    ray.x = x;
    ray.dx = Fixed12::Ratio(2 * x - SceneWidth, scene.view.focalLength);
    ray.height = start.height;
    ray.slope = scene.view.startSlope;
    const bool top = start.sample < kFirstFarSample && MarchSteps<1>(ray, start.sample, kFirstFarSample, scene);
    if (!top) MarchSteps<2>(ray, std::max(start.sample, kFirstFarSample), kEndSample, scene);
    BlendTop(x, ray.lowestUnpainted + 1, ray.edge);
}

}  // namespace

uint8_t ReliefShade(int value, int height) { return LightOfHeight(height)(value); }

void DrawRelief() {
    std::unique_ptr<ReliefMap> map(new (std::nothrow) ReliefMap);
    if (!map) return;
    BuildReliefMap(*map);
    std::vector<uint32_t> horizonColours(static_cast<size_t>(SceneWidth));
    for (int x = 0; x < SceneWidth; ++x) horizonColours[x] = Canvas.GetPixel(x, Plan.horizonRow);
    const ReliefView view = ViewOfScene();
    const ReliefScene scene{*map, view, horizonColours};
    const MarchStart start = StartOfMarch(view);
    for (int x = 0; x < SceneWidth; ++x) MarchColumn(x, start, scene);
}

}  // namespace vorrith
