// The interior rows of a shaded disc and the sky colour of its dark side.
#include <algorithm>

#include "core/canvas.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/bodies/shaded_disc.h"

namespace vorrith {
namespace {

constexpr int kIndexShift = 12;  // span colour positions are palette indices in 20.12

// A lit pixel next to the dark side: how far it is mixed from the sky towards its own
// colour. fade starts at 3 and drops to 1, so only the first lit pixels are softened.
uint32_t LitPixelColour(int index, int phaseIndex, int skyIndex, int& fade) {
    const int amount = ((index - phaseIndex + 1) * 56) / fade;
    if (fade > 1) --fade;
    return amount < 128 ? MixPaletteColours(skyIndex, index, amount) : PaletteColour(index);
}

}  // namespace

int SkyShadeIndex(int y) {
    if (Plan.gradientSky == 0) return 0;
    const int noise = rand() % (4 * Plan.grain);
    const int position = ((y - ClipTop) * 96) / (Plan.horizonRow - ClipTop + 1);
    return std::max((position - noise) / 4 + 32, 32);
}

uint32_t MixPaletteColours(int fromIndex, int toIndex, int amount) {
    const uint32_t from = PaletteColour(fromIndex);
    const uint32_t to = PaletteColour(toIndex);
    const auto mix = [amount](int a, int b) { return std::clamp(a + ((b - a) * amount) / 128, 0, 255); };
    return MakeColour(mix(RedOf(from), RedOf(to)), mix(GreenOf(from), GreenOf(to)), mix(BlueOf(from), BlueOf(to)));
}

void FillShadedSpan(int x0, int x1, int y, int lowIndex, int highIndex, int phaseIndex, int ditherDepth) {
    if (x0 == x1) {
        canvas.PutPixelClipped(x0, y, PaletteColour((lowIndex + highIndex) >> 1));
        return;
    }
    if (x0 > x1) return;
    int low = lowIndex << kIndexShift;
    int high = highIndex << kIndexShift;
    const int dither = ditherDepth << kIndexShift;
    // Cut the ramp to the visible columns so they keep their unclipped colours.
    if (x0 < ClipLeft) {
        low += ((ClipLeft - x0) * (high - low)) / (x1 - x0);
        x0 = ClipLeft;
    }
    if (x1 > ClipRight) {
        high -= ((x1 - ClipRight) * (high - low)) / (x1 - x0);
        x1 = ClipRight;
    }
    if (x0 > x1) return;
    int increment = 0;
    if (x0 == x1) {
        low = (low + high) / 2;
    } else {
        increment = (high - low) / (x1 - x0);
    }

    int position = low;
    int fade = 3;
    for (int x = x0; x <= x1; ++x, position += increment) {
        const int noise = NextRandomValue();
        const int index = std::min((position + (dither > 0 ? noise % dither : 0)) >> kIndexShift, highIndex);
        uint32_t colour;
        if (phaseIndex == 0) {
            colour = PaletteColour(index);
        } else {
            const int skyIndex = SkyShadeIndex(y);
            const bool darkSide = (position >> kIndexShift) < phaseIndex;
            colour = darkSide ? PaletteColour(skyIndex) : LitPixelColour(index, phaseIndex, skyIndex, fade);
        }
        canvas.PutPixel(x, y, colour);
    }
}

}  // namespace vorrith
