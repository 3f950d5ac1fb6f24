#include "layers/ground/relief.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/bodies/noise_texture.h"
#include "layers/ground/stretch_levels.h"

namespace vorrith {
namespace {

constexpr int kMapSize = 64;
constexpr int kMapBytes = kMapSize * kMapSize;
constexpr int kMaxSteps = 900;
constexpr int kFarDepth = 1200;  // from here on each step covers two map sub-rows
constexpr int kOne = 4096;       // 20.12 fixed point
// The highest the terrain under a ray can reach, in the ray's units: a sample is at most
// 255 * 65536 (all four map bytes 255), compared after a shift by 6.
constexpr int kHighestTerrain = (255 * 65536) >> 6;

// Projection constants shared by every column.
struct ReliefView {
    int topRow;       // Ytop: the row the horizon of the map projects to
    int eyeHeight;    // N0
    int focalLength;  // F
    int startSlope;   // sigma0, 20.12
};

ReliefView ViewOfScene() {
    ReliefView view;
    view.topRow = Plan.horizonRow - (SceneHeight - Plan.horizonRow) / 2;
    view.eyeHeight = SceneHeight - view.topRow - 1;
    view.focalLength = (3 * SceneWidth) / 4;
    view.startSlope = -((view.eyeHeight * kOne) / view.focalLength);
    return view;
}

// The ray's walk over the map: position across (cell in bits 18-23, fraction in bits
// 10-17), the two map rows it lies between and how far it is between them (s of 16).
struct MapWalk {
    const uint8_t* map;
    int across = 0;
    int nearRow = 0;
    int lastCell = 0;
    bool reload = true;
    int steps16 = 0;  // l, in 1/16 map rows
    int sub = 0;      // s = l & 15
    int a0 = 0, a1 = 0, b0 = 0, b1 = 0;
    const uint8_t* Row(int r) const { return map + (r & (kMapSize - 1)) * kMapSize; }
};

// Bilinear height under the ray, times 65536; advances `across` by dx.
int SampleHeight(MapWalk& walk, int dx) {
    const int cell = (walk.across >> 18) & 63;
    const int f = (walk.across >> 10) & 255;
    if (cell != walk.lastCell || walk.reload) {
        const uint8_t* nearRow = walk.Row(walk.nearRow);
        const uint8_t* farRow = walk.Row(walk.nearRow + 1);
        walk.a0 = nearRow[cell];
        walk.a1 = nearRow[(cell + 1) & 63];
        walk.b0 = farRow[cell];
        walk.b1 = farRow[(cell + 1) & 63];
        walk.lastCell = cell;
        walk.reload = false;
    }
    walk.across += dx;
    const int hA = walk.a0 * 256 + (walk.a1 - walk.a0) * f;
    const int hB = walk.b0 * 256 + (walk.b1 - walk.b0) * f;
    return hA * 256 + (hB - hA) * (16 * walk.sub);
}

// Moves across without sampling: the step's height is not needed. The cached corners
// stay valid, as they are reloaded whenever the cell or the row changes.
void SkipSample(MapWalk& walk, int dx) { walk.across += dx; }

void StepAway(MapWalk& walk) {
    ++walk.steps16;
    walk.sub = walk.steps16 & 15;
    if (walk.sub == 0) {
        walk.nearRow = (walk.nearRow + 1) & (kMapSize - 1);
        walk.reload = true;
    }
}

// The colour a painted row starts from: the ground below the horizon, else the horizon
// row's colour a few columns away.
uint32_t BaseColour(int x, int y, const std::vector<uint32_t>& horizonColours) {
    if (y > Plan.horizonRow) return canvas.GetPixel(x, y);
    const int jitter = rand() % 5;
    const int column = std::max(0, std::min(x + jitter - 3, SceneWidth - 1));
    return horizonColours[column];
}

// Rows below the canvas are never painted: a projection that lands there has nothing
// to paint (and no horizon row to draw a value for).
void PaintRows(int x, int fromRow, int toRow, int shade, const std::vector<uint32_t>& horizonColours) {
    for (int y = std::min(fromRow, SceneHeight - 1); y >= toRow; --y) {
        const uint32_t base = BaseColour(x, y, horizonColours);
        uint8_t* pixel = canvas.PixelAddress(x, y);
        pixel[0] = ReliefShade(BlueOf(base), shade);
        pixel[1] = ReliefShade(GreenOf(base), shade);
        pixel[2] = ReliefShade(RedOf(base), shade);
    }
}

// What the last visible step leaves for the column's top blend.
struct TopEdge {
    int offset = 0;    // P
    int depth = 0;     // Q
    uint32_t above = 0;
};

// Mixes the column's top painted pixel with the colour that was there before, by the
// fraction of the row the terrain's projection passed.
void BlendTop(int x, int y, const TopEdge& edge) {
    const int den = edge.depth >> 4;
    if (den <= 0 || y < 0 || y >= SceneHeight) return;
    const int frac = (std::abs(edge.offset) >> 4) % den;
    uint8_t* pixel = canvas.PixelAddress(x, y);
    const uint32_t above = edge.above;
    const int aboveBytes[3] = {BlueOf(above), GreenOf(above), RedOf(above)};
    for (int c = 0; c < 3; ++c) pixel[c] = static_cast<uint8_t>((pixel[c] * (den - frac) + aboveBytes[c] * frac) / den);
}

// The ray of one column: its height and slope in 20.12, its depth, and how far up the
// column is painted.
struct ColumnRay {
    int depth = 0;
    int height;
    int slope;
    int lowestUnpainted;
    TopEdge edge;
};

// The terrain (height h, times 65536) rises above the ray: the ray now passes over
// it, and the column is painted up to the terrain's projected row. True when that row
// is the top of the canvas.
bool PaintVisibleStep(ColumnRay& ray, int x, int h, int steps16, const ReliefView& view,
                      const std::vector<uint32_t>& horizonColours) {
    ray.height = h >> 6;
    const int rise = ray.height - view.eyeHeight * kOne;
    ray.slope = (steps16 + 2 * rise) / ray.depth;
    ray.edge.depth = steps16 * kOne;
    ray.edge.offset = rise * view.focalLength;
    int cut = view.topRow - ray.edge.offset / ray.edge.depth;
    if (cut < 0) {
        cut = 0;
        ray.edge.offset = 0;
    }
    if (cut <= ray.lowestUnpainted && cut < SceneHeight) ray.edge.above = canvas.GetPixel(x, cut);
    PaintRows(x, ray.lowestUnpainted, cut, (h >> 16) & 255, horizonColours);
    ray.lowestUnpainted = cut - 1;
    return cut == 0;
}

void MarchColumn(int x, const uint8_t* map, const ReliefView& view, const std::vector<uint32_t>& horizonColours) {
    const int dx = ((2 * x - SceneWidth) * kOne) / view.focalLength;
    MapWalk walk;
    walk.map = map;
    ColumnRay ray;
    ray.height = view.eyeHeight * kOne;
    ray.slope = view.startSlope;
    ray.lowestUnpainted = SceneHeight - 1;
    for (int step = 0; step < kMaxSteps; ++step) {
        // A ray above the highest possible terrain paints nothing on this step.
        const bool overTerrain = ray.height >= kHighestTerrain;
        int h = 0;
        if (overTerrain) SkipSample(walk, dx);
        else h = SampleHeight(walk, dx);
        ray.depth += 2;
        StepAway(walk);
        const bool far = ray.depth >= kFarDepth;
        if (far) {
            ray.depth += 2;
            StepAway(walk);
        }
        if (!overTerrain && (h >> 6) > ray.height && PaintVisibleStep(ray, x, h, walk.steps16, view, horizonColours)) break;
        if (far) {
            walk.across += dx;
            ray.height += ray.slope;
        }
        ray.height += ray.slope;
    }
    BlendTop(x, ray.lowestUnpainted + 1, ray.edge);
}

}  // namespace

uint8_t ReliefShade(int value, int height) {
    if (height > 128) return static_cast<uint8_t>(value + (((255 - value) * (height - 128)) >> 8));
    return static_cast<uint8_t>((value * (height + 128)) >> 8);
}

void DrawRelief() {
    std::unique_ptr<uint8_t[]> map(new (std::nothrow) uint8_t[kMapBytes]);
    if (!map) return;
    FillNoiseBytes(map.get(), kMapBytes);
    for (int pass = 0; pass < 15; ++pass) SmoothWrapped(map.get(), kMapSize, kMapSize);
    StretchLevels(map.get(), kMapBytes, 0, 255);
    std::vector<uint32_t> horizonColours(static_cast<size_t>(SceneWidth));
    for (int x = 0; x < SceneWidth; ++x) horizonColours[x] = canvas.GetPixel(x, Plan.horizonRow);
    const ReliefView view = ViewOfScene();
    for (int x = 0; x < SceneWidth; ++x) MarchColumn(x, map.get(), view, horizonColours);
}

}  // namespace vorrith
