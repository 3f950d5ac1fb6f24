#include "layers/sky/brighten_burst.h"

#include "core/canvas.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "core/sine_table.h"

namespace vorrith {
namespace {

constexpr int kRayStep = 20;  // 103 rays per circle, each jittered by up to 19 units
constexpr int kLastRay = 2040;

int PassLength(int outerRadius) {
    const int passes = outerRadius > 16 ? 1 + Plan.sunX % 4 : 1;
    return outerRadius / passes;
}

// Offsets are divided, not shifted: they truncate toward the centre on both sides.
void BrightenCircle(int x, int y, int radius, int factor) {
    for (int a = 0; a <= kLastRay; a += kRayStep) {
        const int jitter = rand() % kRayStep;
        const int angle = a + jitter;
        const int px = x + (radius * TableCos(angle)) / 32768;
        const int py = y + (radius * TableSin(angle)) / 32768;
        SkipRandomValues(4);
        if (px >= ClipLeft && px <= ClipRight && py >= 0 && py < Plan.horizonRow) Canvas.ScalePixel(px, py, factor);
    }
}

}  // namespace

void BrightenBurst(int x, int y, int innerRadius, int outerRadius, int factor) {
    const int passLength = PassLength(outerRadius);
    if (passLength < 1) return;  // a zero-length pass would never reach outerRadius
    for (int end = passLength; end <= outerRadius; end += passLength) {
        for (int radius = innerRadius; radius <= end; ++radius) BrightenCircle(x, y, radius, factor);
    }
}

}  // namespace vorrith
