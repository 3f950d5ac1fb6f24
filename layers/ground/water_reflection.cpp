#include "layers/ground/water_reflection.h"

#include <algorithm>

#include "core/canvas.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "core/sine_table.h"

namespace vorrith {
namespace {

struct Ripple {
    int frequency;  // 6000 ... 29999: phase spread of the rows
    int amplitude;  // 4 ... 16 rows at the bottom
    int phase;
};

Ripple DrawRipple() {
    const int r1 = rand();
    const int r2 = rand();
    const int r3 = rand();
    const int r4 = rand();
    return {((r1 & 3) + 1) * 6000 + r2 % 6000, r3 % 13 + 4, r4};
}

// The row mirrored into water row i (of N), before the per-pixel jitter.
int SourceRow(const Ripple& ripple, int i, int waterRows) {
    const int amplitude = (ripple.amplitude * (i + 1)) / waterRows;
    const int angle = ripple.phase + (ripple.frequency * (waterRows - i)) / (i + 1);
    return Plan.horizonRow - MulQ15(TableSin(angle), amplitude) - i - 1;
}

void MirrorRow(int y, int sourceRow, const WaterFloor& floor) {
    uint8_t* target = canvas.PixelAddress(0, y);
    for (int x = 0; x < SceneWidth; ++x, target += 3) {
        const int jitter = NextRandomValue();
        const int row = std::max(0, std::min(sourceRow - (jitter & 7) + 3, Plan.horizonRow - 1));
        const uint8_t* source = canvas.PixelAddress(x, row);
        for (int c = 0; c < 3; ++c) target[c] = std::max(source[c], floor.byte[c]);
    }
}

// Works on whole rows of the stride, padding included, in memory order.
void SmearDownward() {
    const int stride = canvas.stride;
    uint8_t* p = canvas.PixelAddress(0, Plan.horizonRow);
    uint8_t* const end = canvas.pixels + static_cast<long>(SceneHeight) * stride;
    for (; p < end; ++p) *p = static_cast<uint8_t>((p[-stride] + p[0]) >> 1);
}

}  // namespace

WaterFloor WaterFloorColour() {
    if (Plan.gradientSky != 0) return {{0, 0, 0}};
    const PaletteEntry& entry = Palette[132];
    return {{entry.red, entry.green, entry.blue}};
}

void DrawWaterReflection() {
    const WaterFloor floor = WaterFloorColour();
    const Ripple ripple = DrawRipple();
    const int waterRows = SceneHeight - Plan.horizonRow;
    for (int i = 0; i < waterRows; ++i) MirrorRow(Plan.horizonRow + i, SourceRow(ripple, i, waterRows), floor);
    SmearDownward();
}

}  // namespace vorrith
