#include "layers/ground/ground_gradient.h"

#include "core/canvas.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"

namespace vorrith {
namespace {

void CopyPaletteEntry(uint8_t* pixel, int index) {
    const PaletteEntry& entry = Palette[index];
    pixel[0] = entry.blue;
    pixel[1] = entry.green;
    pixel[2] = entry.red;
}

// Base index and dither width in 8.8 palette units, and their changes per row.
struct GradientRamp {
    int base;
    int baseStep;
    int dither;
    int ditherStep;
};

GradientRamp PlanGradient(int farIndex) {
    const int widening = NextRandomValue() & 1;
    const int groundRows = ClipBottom - Plan.horizonRow + 1;
    const int depth = widening ? 2 * Plan.grain : Plan.grain;
    const int nearIndex = kHazeIndex - depth;
    GradientRamp ramp;
    ramp.base = nearIndex * 256;
    ramp.baseStep = ((farIndex - nearIndex) * 256) / groundRows;
    ramp.dither = widening ? (depth * 256) / groundRows : depth * 256;
    ramp.ditherStep = widening ? ramp.dither : 0;
    return ramp;
}

}  // namespace

void DrawHorizonHaze() {
    const int rows = 1 + (NextRandomValue() & 1);
    const int weightStep = 2 * (128 / (rows + 1));
    const uint32_t haze = PaletteColour(kHazeIndex);
    for (int k = 1; k <= rows; ++k) {
        const int y = Plan.horizonRow - rows + k - 1;
        for (int x = ClipLeft; x <= ClipRight; ++x) canvas.BlendPixel(x, y, k * weightStep, haze);
    }
}

void DrawGroundGradient(int farIndex) {
    GradientRamp ramp = PlanGradient(farIndex);
    for (int y = Plan.horizonRow; y <= ClipBottom; ++y) {
        JumpRandomCursor();
        uint8_t* pixel = canvas.PixelAddress(ClipLeft, y);
        for (int x = ClipLeft; x <= ClipRight; ++x, pixel += 3) {
            const int u = NextRandomValue();
            CopyPaletteEntry(pixel, (ramp.base + u % ramp.dither) >> 8);
        }
        ramp.base += ramp.baseStep;
        ramp.dither += ramp.ditherStep;
    }
}

}  // namespace vorrith
