#include "layers/sky/galaxy.h"

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "core/sine_table.h"
#include "layers/sky/brighten_burst.h"
#include "layers/sky/galaxy_shape.h"
#include "layers/sky/glow_sprite.h"

namespace vorrith {
namespace {

// Shares of the base colour, single precision as the pictures were made with them.
constexpr float kHaloShare = 0.0375f;
constexpr float kCoreShare = 0.1f;
constexpr float kCentralGlowShare = 0.33333334f;

constexpr int kBlobsPerColour = 8;
constexpr int kCoreGlows = 18;
constexpr int kBurstFactor = 265;
constexpr int kCoreBurstFactor = 267;

// The galaxy's colour at a small share, as a glow's light.
GlowLight ShareOf(const GalaxyShape& shape, float share) {
    return {RoundShare(shape.red, share), RoundShare(shape.green, share), RoundShare(shape.blue, share)};
}

GalaxyShape PlaceGalaxy() {
    GalaxyShape shape{};
    const int xDraw = rand();
    shape.centreX = xDraw % Plan.sunX - Plan.sunX / 20;
    const int yDraw = rand();
    shape.centreY = yDraw % (Plan.horizonRow * 6 / 5) - Plan.horizonRow / 10;
    int red, green, blue;
    DrawGalaxyColour(red, green, blue);
    shape.red = static_cast<float>(red);
    shape.green = static_cast<float>(green);
    shape.blue = static_cast<float>(blue);
    shape.coreRadius = SceneHeight / 30 + 1;
    const int percent = rand() % 20 + 20;
    shape.outerRadius = percent * SceneHeight / 100;
    return shape;
}

// A sprite for the next eight blobs: the base colour varied, at a small share.
GlowSprite MakeHaloBlob(const GalaxyShape& shape, int& radius) {
    int red = static_cast<int>(shape.red);
    int green = static_cast<int>(shape.green);
    int blue = static_cast<int>(shape.blue);
    VaryColour(red, green, blue);
    const int percent = rand() % 40 + 80;
    radius = percent * shape.coreRadius / 100;
    return MakeGlowSprite(radius,
                          {RoundShare(red, kHaloShare), RoundShare(green, kHaloShare), RoundShare(blue, kHaloShare)});
}

// Blob centres lie in the ring from two thirds of the core radius to the outer radius.
void DrawHalo(const GalaxyShape& shape) {
    const int count = shape.outerRadius * shape.outerRadius / 18;
    const int inner = 2 * shape.coreRadius / 3;
    const int spread = shape.outerRadius - inner;
    GlowSprite blob;
    int radius = 0;
    for (int i = 0; i < count; ++i) {
        if (i % kBlobsPerColour == 0) {
            blob.reset();
            blob = MakeHaloBlob(shape, radius);
        }
        const int d = inner + rand() % spread;
        const int a = rand();
        AddGlowSprite(blob, shape.centreX + MulQ15(d, TableCos(a)), shape.centreY + MulQ15(d, TableSin(a)), radius);
    }
}

int CoreOffset(int coreRadius) {
    const int offset = rand() % 200 - 100;
    return offset * coreRadius / 100;
}

void DrawCore(const GalaxyShape& shape) {
    const GlowSprite core = MakeGlowSprite(shape.coreRadius, ShareOf(shape, kCoreShare));
    for (int i = 0; i < kCoreGlows; ++i) {
        const int dx = CoreOffset(shape.coreRadius);
        const int dy = CoreOffset(shape.coreRadius);
        AddGlowSprite(core, shape.centreX + dx, shape.centreY + dy, shape.coreRadius);
    }
}

// Black skies only: a few bursts around the core and one on it.
void DrawBursts(const GalaxyShape& shape) {
    const int count = rand() % 4 + 3;
    const int nearest = 2 * shape.coreRadius;
    for (int i = 0; i < count; ++i) {
        const int d = rand() % (shape.outerRadius - nearest) + nearest;
        if (d <= 0) continue;
        const int a = rand();
        BrightenBurst(shape.centreX + MulQ15(d, TableCos(a)), shape.centreY + MulQ15(d, TableSin(a)), 0,
                      shape.coreRadius, kBurstFactor);
    }
    BrightenBurst(shape.centreX, shape.centreY, 0, shape.coreRadius, kCoreBurstFactor);
}

void DrawCentralGlow(const GalaxyShape& shape) {
    const int radius = shape.coreRadius * 5 / 4;
    const GlowSprite glow = MakeGlowSprite(radius, ShareOf(shape, kCentralGlowShare));
    AddGlowSprite(glow, shape.centreX, shape.centreY, radius);
}

}  // namespace

void DrawGalaxy() {
    const GalaxyShape shape = PlaceGalaxy();
    if (shape.outerRadius < shape.coreRadius) return;
    DrawHalo(shape);
    if ((rand() & 3) != 0) DrawSpiralArms(shape);
    SprinkleGalaxyStars(shape);
    DrawCore(shape);
    if (!Plan.gradientSky) DrawBursts(shape);
    DrawCentralGlow(shape);
}

}  // namespace vorrith
