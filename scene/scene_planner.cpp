#include "scene/scene_planner.h"

#include "core/canvas.h"
#include "core/fixed_point.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"

namespace vorrith {
namespace {

int ChooseSceneType() {
    const int r = rand() % 100;
    if (r < 20) return kHillCountry;
    if (r < 40) return kReliefPlain;
    if (r < 60) return kCraterPlain;
    return kSea;
}

// Horizon row as a percentage of the canvas height: 60-84 % on land, 50-79 % at sea.
// The land value's table draw stays consumed when a sea replaces it.
int ChooseHorizonRow(int sceneType) {
    const int span = ClipBottom - ClipTop;
    int row = ClipTop + ((NextRandomValue() % 25 + 60) * span) / 100;
    if (sceneType == kSea) row = ClipTop + ((NextRandomValue() % 30 + 50) * span) / 100;
    return row;
}

void ChooseSuns(ScenePlan& plan) {
    const int t = rand();
    plan.sunVisible = (t & 3) != 0 ? 1 : 0;
    if (plan.gradientSky == 1 && plan.sunVisible == 1) {
        plan.sunSize = (rand() & 7) + 20;
    } else {
        plan.sunSize = rand() % 24 + 4;
    }
    const int u = rand();
    plan.sunCount = ((u & 1) == 1 && plan.sunSize > 16) ? 2 : 1;
}

// The ecliptic: a line through (eclipticX, eclipticY) tilted by eclipticAngle, along
// which the sun, planets and moons stand. Visible suns halve the tilt's range.
void ChooseEcliptic(ScenePlan& plan) {
    const int s = plan.sunVisible + 1;
    const int w = rand();
    plan.eclipticAngle = w % (kAngleUnitsPerTurn / (6 * s)) - kAngleUnitsPerTurn / (12 * s);
    plan.sunX = ClipRight;
    plan.sunY = (ClipTop + plan.horizonRow) / 2;
    const int v = rand();
    plan.eclipticX = ClipRight - (v % (ClipRight - ClipLeft)) / 10;
    const int k = ((ClipTop + plan.horizonRow) * plan.eclipticAngle) / 409;
    plan.eclipticY = plan.sunY + 2 * k;
    if (plan.sunVisible == 1) {
        plan.sunX = plan.eclipticX;
        plan.sunY = plan.sunY + k;
    }
}

void SetBands(ScenePlan& plan) {
    for (int b = 0; b < kPaletteBandCount; ++b) {
        PaletteBand& band = plan.bands[b];
        band.firstIndex = 32 * b;
        band.lastIndex = 32 * b + 31;
        const bool sky = b <= kMoonBand;
        band.topRow = sky ? ClipTop : plan.horizonRow;
        band.bottomRow = sky ? plan.horizonRow : ClipBottom;
    }
    plan.bands[kEmptyLowerBand].lastIndex = 191;
    plan.bands[kEmptyGroundBand].lastIndex = 159;
    plan.bands[kSunBand].firstIndex = kSunPaletteFirst;
}

void BuildRamps(ScenePlan& plan) {
    if (plan.gradientSky == 1) {
        RandomPaletteRamp(1, 24, 28, 63, kSkyPaletteFirst, kSkyPaletteLast);
    } else {
        RandomPaletteRamp(1, 5, 30, 58, kSkyPaletteFirst, kSkyPaletteLast);
    }
    RandomPaletteRamp(35, 57, 58, 63, kSunPaletteFirst, kSunPaletteLast);
    RandomPaletteRamp(3, 26, 28, 63, kGroundPaletteFirst, kGroundPaletteLast);
    if (plan.noPlanet == 1) {
        plan.bands[kPlanetBand].lastIndex = kPlanetPaletteFirst - 1;
    } else {
        RandomPaletteRamp(1, 18, 26, 63, kPlanetPaletteFirst, kPlanetPaletteLast);
    }
    // Moons: from a dark random colour to a light one.
    const int startRed = NextRandomValue() % 4 + 4;
    const int startGreen = NextRandomValue() % 4 + 4;
    const int startBlue = NextRandomValue() % 4 + 4;
    const int endRed = NextRandomValue() % 24 + 40;
    const int endGreen = NextRandomValue() % 24 + 40;
    const int endBlue = NextRandomValue() % 24 + 40;
    PaletteRamp(kMoonPaletteFirst, kMoonPaletteLast, MakeColour(startRed, startGreen, startBlue), MakeColour(endRed, endGreen, endBlue));
}

}  // namespace

void BuildScenePlan() {
    ScenePlan& plan = Plan;
    ClearPalette();
    FillRandomTable();
    plan.planetRadiusLimit = ClipRight * 25 / 100;
    plan.sceneType = ChooseSceneType();
    plan.horizonRow = ChooseHorizonRow(plan.sceneType);
    plan.noPlanet = rand() & 1;
    plan.gradientSky = rand() & 1;
    plan.grain = (rand() & 3) + 1;
    ChooseSuns(plan);
    ChooseEcliptic(plan);
    SetBands(plan);
    BuildRamps(plan);
    rand();  // drawn and unused; later draws depend on it
}

}  // namespace vorrith
