#include "layers/bodies/planet.h"

#include <algorithm>

#include "core/canvas.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "core/sine_table.h"
#include "layers/bodies/shaded_disc.h"
#include "layers/bodies/surface_texture.h"

namespace vorrith {
namespace {

constexpr int kPlanetTextureEntry = 2;  // never filled: black
constexpr int kSmallestPlanet = 4;
// Drawn and discarded in some scenes; kept so later pictures stay the same.
constexpr int kDiscardedDraws = 142;

// Whether the planet burns kDiscardedDraws. One draw always; without suns a second one,
// and the draws are burnt when it is a multiple of 4 and the first is not a multiple of
// 15. Scenes with suns never burn them.
bool DrawWhetherToDiscard() {
    const int skipDraw = rand();
    if (Plan.sunVisible) return false;
    const int keepDraw = rand();
    return (keepDraw & 3) == 0 && skipDraw % 15 != 0;
}

}  // namespace

CanvasPoint PlaceOnEcliptic(int distance, int radius) {
    const ScenePlan& plan = Plan;
    const int d = std::max(distance, radius);
    const int x = plan.eclipticX - MulQ15(d, TableCos(plan.eclipticAngle));
    const int jitter = rand();
    const int y = plan.eclipticY - MulQ15(d, TableSin(plan.eclipticAngle)) + jitter % 5 - 2;
    return {std::clamp(x, ClipLeft, ClipRight), std::clamp(y, ClipTop, ClipBottom)};
}

void DrawPlanet() {
    const ScenePlan& plan = Plan;
    if (plan.noPlanet) return;
    const int limit = plan.planetRadiusLimit;
    const int radiusDraw = rand();
    int radius = radiusDraw % (limit - limit / 5) + limit / 5;
    const int bandDraw = rand();
    const bool banded = (bandDraw & 3) != 0;
    const bool discard = DrawWhetherToDiscard();
    radius = std::max(radius, kSmallestPlanet);
    const int distanceDraw = rand();
    const int distance = radius + (((distanceDraw % (plan.eclipticX - radius)) * 5) >> 2);
    const CanvasPoint centre = PlaceOnEcliptic(distance, radius);
    if (discard && radius >= 5) {
        for (int i = 0; i < kDiscardedDraws; ++i) rand();
    }
    // Lit by a sun, the first sunSize entries of the planet ramp are the dark side.
    const int phase = plan.sunVisible ? kPlanetPaletteFirst + plan.sunSize : 0;
    const int ditherDraw = rand();
    DrawShadedDisc({centre.x, centre.y, radius, kPlanetPaletteFirst, kPlanetPaletteLast, phase, ditherDraw % 5 + 3});
    const int textureDraw = rand();
    if (textureDraw & 1) DrawSurfaceTexture(centre.x, centre.y, radius, PaletteColour(kPlanetTextureEntry));
    if (banded) DrawPlanetBands(centre.x, centre.y, radius, plan.eclipticAngle);
}

}  // namespace vorrith
