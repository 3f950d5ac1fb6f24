#include "layers/sky/sky_backdrop.h"

#include <cstring>

#include "core/canvas.h"
#include "core/fixed_divisor.h"
#include "core/fixed_point.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"

namespace vorrith {
namespace {

// Pixels of one gradient row, a chunk at a time: each takes a draw, and the palette
// entry at its position plus the noise (the draw's remainder by the grain in 8.8) is
// written as four bytes (blue, green, red and the next pixel's blue, overwritten after)
// into a local row, then the chunk is copied out. The local row keeps the generator's
// state out of reach of the pixel stores, so it stays in a register through the chunk.
// Positions and noise are never negative, so the index is shifted unsigned. Two pixels
// per turn of the loop.
void FillGradientRow(uint8_t* pixel, int count, int position, int columnStep, const FixedDivisor& noise) {
    constexpr int kChunkPixels = 128;
    uint8_t chunk[3 * kChunkPixels + 1];
    for (int done = 0; done < count; done += kChunkPixels) {
        const int n = count - done < kChunkPixels ? count - done : kChunkPixels;
        const auto draw = [&](int i) {
            const int value = rand();
            std::memcpy(chunk + 3 * i, &Palette[static_cast<unsigned>(noise.Remainder(value) + position) >> 8], 4);
            position += columnStep;
        };
        int i = 0;
        for (; i + 2 <= n; i += 2) {
            draw(i);
            draw(i + 1);
        }
        if (i < n) draw(i);
        std::memcpy(pixel + 3 * done, chunk, static_cast<size_t>(3 * n));
    }
}

// Positions along the sky band are palette indices in 8.8: the horizon row starts a
// little below the top of the band, the top row ends near its first entry, and every
// row grows brighter by `tilt` entries from left to right.
void DrawSkyGradient() {
    const ScenePlan& plan = Plan;
    const int tilt = (rand() & 3) + (plan.sunVisible ? 8 : 0);
    const int columnStep = Fixed8::Ratio(tilt, ClipRight - ClipLeft + 1);
    const int startIndex = kSkyPaletteLast - 1 - tilt - plan.grain;
    const int rowStep = Fixed8::Ratio(kSkyPaletteFirst - startIndex, plan.horizonRow - ClipTop + 1);
    const FixedDivisor noise(Fixed8::From(plan.grain));
    int rowPosition = Fixed8::From(startIndex);
    for (int y = plan.horizonRow; y >= ClipTop; --y) {
        FillGradientRow(Canvas.PixelAddress(ClipLeft, y), ClipRight - ClipLeft + 1, rowPosition, columnStep, noise);
        rowPosition += rowStep;
    }
}

uint32_t StarColourOverGradient(int x, int y) {
    const uint32_t under = Canvas.GetPixel(x, y);
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
    if (!Plan.gradientSky) {
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
        const uint32_t colour = Plan.gradientSky ? StarColourOverGradient(x, y) : StarColourOnBlack();
        Canvas.PutPixel(x, y, colour);
    }
}

}  // namespace vorrith
