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
    plan.sunVisible = (t & 3) != 0;
    if (plan.gradientSky && plan.sunVisible) {
        plan.sunSize = (rand() & 7) + 20;
    } else {
        plan.sunSize = rand() % 24 + 4;
    }
    const int u = rand();
    plan.sunCount = ((u & 1) == 1 && plan.sunSize > 16) ? 2 : 1;
}

// The unit the ecliptic's tilt is scaled in to give its drop in rows: 409 angle units.
constexpr int kFifthOfATurn = kAngleUnitsPerTurn / 5;

// The ecliptic: a line through (eclipticX, eclipticY) tilted by eclipticAngle, along
// which the sun, planets and moons stand. Visible suns halve the tilt's range.
void ChooseEcliptic(ScenePlan& plan) {
    const int s = plan.sunVisible ? 2 : 1;
    const int w = rand();
    plan.eclipticAngle = w % (kAngleUnitsPerTurn / (6 * s)) - kAngleUnitsPerTurn / (12 * s);
    plan.sunX = ClipRight;
    plan.sunY = (ClipTop + plan.horizonRow) / 2;
    const int v = rand();
    plan.eclipticX = ClipRight - (v % (ClipRight - ClipLeft)) / 10;
    // How far the line drops (or rises) from the middle of the sky to the sun, and again
    // to the anchor: the sky's height times the tilt in fifths of a turn.
    const int drop = ((ClipTop + plan.horizonRow) * plan.eclipticAngle) / kFifthOfATurn;
    plan.eclipticY = plan.sunY + 2 * drop;
    if (plan.sunVisible) {
        plan.sunX = plan.eclipticX;
        plan.sunY = plan.sunY + drop;
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
    // The two lowest bands hold no entries: each ends before it starts.
    plan.bands[kEmptyLowerBand].lastIndex = plan.bands[kEmptyLowerBand].firstIndex - 1;
    plan.bands[kEmptyGroundBand].lastIndex = plan.bands[kEmptyGroundBand].firstIndex - 1;
    plan.bands[kSunBand].firstIndex = kSunPaletteFirst;
}

// The bands' colour ramps as {start, end, first, last}: the ranges the start and end
// colours' 6-bit components are drawn from, and the palette entries the ramp fills.
constexpr RandomRamp kGradientSkyRamp{{1, 24}, {28, 63}, kSkyPaletteFirst, kSkyPaletteLast};
constexpr RandomRamp kBlackSkyRamp{{1, 5}, {30, 58}, kSkyPaletteFirst, kSkyPaletteLast};
constexpr RandomRamp kSunRamp{{35, 57}, {58, 63}, kSunPaletteFirst, kSunPaletteLast};
constexpr RandomRamp kGroundRamp{{3, 26}, {28, 63}, kGroundPaletteFirst, kGroundPaletteLast};
constexpr RandomRamp kPlanetRamp{{1, 18}, {26, 63}, kPlanetPaletteFirst, kPlanetPaletteLast};
// The moons' ramp runs from a dark random colour to a light one, no channel pushed.
constexpr ComponentRange kMoonStart{4, 7};
constexpr ComponentRange kMoonEnd{40, 63};

void BuildRamps(ScenePlan& plan) {
    RandomPaletteRamp(plan.gradientSky ? kGradientSkyRamp : kBlackSkyRamp);
    RandomPaletteRamp(kSunRamp);
    RandomPaletteRamp(kGroundRamp);
    if (plan.noPlanet) {
        plan.bands[kPlanetBand].lastIndex = kPlanetPaletteFirst - 1;
    } else {
        RandomPaletteRamp(kPlanetRamp);
    }
    const uint32_t moonStart = RandomColour(kMoonStart);
    const uint32_t moonEnd = RandomColour(kMoonEnd);
    PaletteRamp(kMoonPaletteFirst, kMoonPaletteLast, moonStart, moonEnd);
}

}  // namespace

void BuildScenePlan() {
    ScenePlan& plan = Plan;
    ClearPalette();
    FillRandomTable();
    plan.planetRadiusLimit = ClipRight * 25 / 100;
    plan.sceneType = ChooseSceneType();
    plan.horizonRow = ChooseHorizonRow(plan.sceneType);
    plan.noPlanet = (rand() & 1) != 0;
    plan.gradientSky = (rand() & 1) != 0;
    plan.grain = (rand() & 3) + 1;
    ChooseSuns(plan);
    ChooseEcliptic(plan);
    SetBands(plan);
    BuildRamps(plan);
    rand();  // drawn and unused; later draws depend on it
}

}  // namespace vorrith
