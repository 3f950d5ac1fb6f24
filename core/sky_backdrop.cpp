#include "core/sky_backdrop.h"

#include "core/canvas.h"
#include "core/fixed_divisor.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"

namespace vorrith {
namespace {

// Positions along the sky band are palette indices in 8.8 fixed point.
void DrawSkyGradient() {
    const ScenePlan& plan = Plan;
    const int tilt = (rand() & 3) + 8 * plan.sunVisible;
    const int columnStep = (tilt * 256) / (ClipRight - ClipLeft + 1);
    const int startIndex = 62 - tilt - plan.grain;
    const int rowStep = ((32 - startIndex) * 256) / (plan.horizonRow - ClipTop + 1);
    const FixedDivisor noiseRange(plan.grain * 256);
    int rowPosition = startIndex * 256;
    for (int y = plan.horizonRow; y >= ClipTop; --y) {
        int position = rowPosition;
        uint8_t* pixel = canvas.PixelAddress(ClipLeft, y);
        for (int x = ClipLeft; x <= ClipRight; ++x, pixel += 3) {
            const PaletteEntry& entry = Palette[(noiseRange.Remainder(rand()) + position) >> 8];
            pixel[0] = entry.blue;
            pixel[1] = entry.green;
            pixel[2] = entry.red;
            position += columnStep;
        }
        rowPosition += rowStep;
    }
}

uint32_t StarColourOverGradient(int x, int y) {
    const uint32_t under = canvas.GetPixel(x, y);
    const int blue = ((rand() & 255) + BlueOf(under)) / 2;
    const int green = ((rand() & 255) + GreenOf(under)) / 2;
    const int red = ((rand() & 255) + RedOf(under)) / 2;
    return MakeColour(red, green, blue);
}

uint32_t StarColourOnBlack() {
    const uint32_t high = rand() & 4095;
    const uint32_t low = rand() & 4095;
    return high * 4096 + low;
}

}  // namespace

void DrawSkyBackdrop() {
    if (Plan.gradientSky == 0) {
        DrawStars();
        return;
    }
    DrawSkyGradient();
    if (rand() % 3 == 0) DrawStars();
}

void DrawStars() {
    const int count = rand() % 50 + 75;
    for (int i = 0; i < count; ++i) {
        const int x = ClipLeft + rand() % (ClipRight - ClipLeft);
        const int y = ClipTop + rand() % (Plan.horizonRow - ClipTop);
        const uint32_t colour = Plan.gradientSky == 1 ? StarColourOverGradient(x, y) : StarColourOnBlack();
        canvas.PutPixel(x, y, colour);
    }
}

}  // namespace vorrith
