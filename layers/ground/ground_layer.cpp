#include "layers/ground/ground_layer.h"

#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/ground/crater_rows.h"
#include "layers/ground/ground_gradient.h"
#include "layers/ground/hill_ranges.h"
#include "layers/ground/relief.h"
#include "layers/ground/river.h"
#include "layers/ground/rock_field.h"
#include "layers/ground/water_reflection.h"

namespace vorrith {
namespace {

constexpr int kFarIndex = 132;
// Hill country runs toward one of the eight entries up to this one instead.
constexpr int kHillFarIndexHighest = 147;
constexpr int kAllHillBands = 32767;
constexpr int kSeaHillBands = 2;

// Palette index the ground runs toward at the bottom row; hill country draws its own.
int FarIndex() {
    if (Plan.sceneType != kHillCountry) return kFarIndex;
    const int r = rand();
    return kHillFarIndexHighest - (r & 7);
}

void DrawCraterPlain() {
    DrawCraterRows();
    const int r = rand();
    if (r & 1) DrawRiver();
    DrawRockField();
}

}  // namespace

void DrawGround() {
    const int farIndex = FarIndex();
    DrawHorizonHaze();
    if (Plan.sceneType != kSea) DrawGroundGradient(farIndex);
    switch (Plan.sceneType) {
    case kHillCountry: DrawHillRanges(kHazeIndex, farIndex, Plan.grain, kAllHillBands); break;
    case kReliefPlain:
        DrawRelief();
        DrawRockField();
        break;
    case kCraterPlain: DrawCraterPlain(); break;
    default:
        DrawHillRanges(kHazeIndex, kFarIndex, Plan.grain, kSeaHillBands);
        DrawWaterReflection();
        break;
    }
}

}  // namespace vorrith
