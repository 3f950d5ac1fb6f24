#include "layers/bodies/moons.h"

#include "core/canvas.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/bodies/planet.h"
#include "layers/bodies/shaded_disc.h"
#include "layers/bodies/surface_texture.h"

namespace vorrith {
namespace {

constexpr int kMoonTextureEntry = 3;  // never filled: black
constexpr int kSmallestCrateredMoon = 5;

struct MoonShape {
    int radius;
    int distance;
    int dither;
};

// The single moon of a scene without a planet: large, and nearer the anchor.
MoonShape ChooseLargeMoon(int big) {
    const int radiusDraw = rand();
    const int radius = big - (radiusDraw % (big - 4)) / 2;
    const int distanceDraw = rand();
    const int distance = radius + (((distanceDraw % (Plan.eclipticX - radius)) * 3) >> 2);
    const int ditherDraw = rand();
    return {radius, distance, ditherDraw % 6 + 2};
}

// One of several small moons: the more moons, the smaller they are.
MoonShape ChooseSmallMoon(int count) {
    const int radiusDraw = rand();
    const int radius = (radiusDraw % 16) / count + (Plan.sunVisible ? 2 : 0) + 4;
    const int distanceDraw = rand();
    const int distance = radius + distanceDraw % (Plan.eclipticX - radius);
    const int ditherDraw = rand();
    return {radius, distance, ditherDraw % 3 + 1};
}

// On the ecliptic line, then moved up or down by up to a quarter of the canvas height
// (no clamping after that: a moon may sit partly or wholly outside the sky).
int MoonRowOffset() {
    const int offsetDraw = rand();
    return offsetDraw % (ClipBottom / 2) - ClipBottom / 4;
}

void DrawMoon(const MoonShape& shape, int phase) {
    const CanvasPoint onEcliptic = PlaceOnEcliptic(shape.distance, shape.radius);
    const int cx = onEcliptic.x;
    const int cy = onEcliptic.y + MoonRowOffset();
    DrawShadedDisc({cx, cy, shape.radius, kMoonPaletteFirst, kMoonPaletteLast, phase, shape.dither});
    const int textureDraw = rand();
    if (textureDraw & 1) DrawSurfaceTexture(cx, cy, shape.radius, PaletteColour(kMoonTextureEntry));
    if (shape.radius >= kSmallestCrateredMoon) DrawCraters(cx, cy, shape.radius, shape.dither);
}

}  // namespace

void DrawMoons() {
    const ScenePlan& plan = Plan;
    const int big = (plan.planetRadiusLimit * 7) / 8;
    int count = 1;
    if (!plan.noPlanet) {
        const int countDraw = rand();
        count = countDraw % 5 + 1;
    }
    // Lit by a sun, the first sunSize entries of the moon ramp are the dark side.
    const int phase = plan.sunVisible ? kMoonPaletteFirst + plan.sunSize : 0;
    for (int i = 0; i < count; ++i) {
        const MoonShape shape = plan.noPlanet ? ChooseLargeMoon(big) : ChooseSmallMoon(count);
        DrawMoon(shape, phase);
    }
}

}  // namespace vorrith
