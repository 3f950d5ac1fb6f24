// The interior rows of a shaded disc and the sky colour of its dark side.
#include <algorithm>

#include "core/canvas.h"
#include "core/fixed_divisor.h"
#include "core/fixed_point.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/bodies/shaded_disc.h"
#include "layers/shapes/palette_run.h"

namespace vorrith {
namespace {

// A lit pixel next to the dark side: how far it is mixed from the sky towards its own
// colour. fade starts at 3 and drops to 1, so only the first lit pixels are softened
// (and only they need the division).
uint32_t LitPixelColour(int index, int phaseIndex, int skyIndex, int& fade) {
    const int scaled = (index - phaseIndex + 1) * 56;
    const int amount = fade == 1 ? scaled : scaled / fade;
    if (fade > 1) --fade;
    return amount < 128 ? MixPaletteColours(skyIndex, index, amount) : PaletteColour(index);
}

// SkyShadeIndex along one row: the row's place in the sky is worked out once, and the
// noise range (4 ... 16 in scenes) divides by multiplication; draws are 0 ... 32767.
class RowSkyShade {
public:
    explicit RowSkyShade(int y)
        : gradient_(Plan.gradientSky),
          range_(4 * Plan.grain),
          divisor_(std::max(range_, 1)),
          position_(gradient_ ? ((y - ClipTop) * 96) / (Plan.horizonRow - ClipTop + 1) : 0) {}
    int Next() const {
        if (!gradient_) return 0;
        const int draw = rand();
        const int noise = range_ >= 1 ? divisor_.Remainder(draw) : draw % range_;
        return std::max((position_ - noise) / 4 + 32, 32);
    }

private:
    bool gradient_;
    int range_;
    FixedDivisor divisor_;
    int position_;
};

// The pixels of a phased span, one table value each. The table cursor is kept in a
// local and written back: the canvas byte stores would otherwise send it to memory and
// back on every pixel.
void FillPhasedPixels(const ClippedRamp& ramp, int y, int highIndex, int phaseIndex, int ditherDepth) {
    const DitherNoise dither(ditherDepth);
    const RowSkyShade sky(y);
    uint8_t* p = Canvas.PixelAddress(ramp.first, y);
    int cursor = RandomCursor;
    int position = ramp.position;
    int fade = 3;
    for (int x = ramp.first; x <= ramp.last; ++x, position += ramp.step, p += 3) {
        const int noise = RandomTable[cursor++ & kRandomTableMask];
        const int index = std::min(Fixed12::Floor(position + dither.Offset(noise)), highIndex);
        const int skyIndex = sky.Next();
        const bool darkSide = Fixed12::Floor(position) < phaseIndex;
        StoreColour(p, darkSide ? PaletteColour(skyIndex) : LitPixelColour(index, phaseIndex, skyIndex, fade));
    }
    RandomCursor = cursor;
}

}  // namespace

int SkyShadeIndex(int y) { return RowSkyShade(y).Next(); }

uint32_t MixPaletteColours(int fromIndex, int toIndex, int amount) {
    const uint32_t from = PaletteColour(fromIndex);
    const uint32_t to = PaletteColour(toIndex);
    const auto mix = [amount](int a, int b) { return std::clamp(a + ((b - a) * amount) / 128, 0, 255); };
    return MakeColour(mix(RedOf(from), RedOf(to)), mix(GreenOf(from), GreenOf(to)), mix(BlueOf(from), BlueOf(to)));
}

void FillShadedSpan(int x0, int x1, int y, int lowIndex, int highIndex, int phaseIndex, int ditherDepth) {
    if (phaseIndex == 0 || x0 >= x1) {
        FillDitheredRun(x0, x1, y, lowIndex, highIndex, ditherDepth);
        return;
    }
    ClippedRamp ramp;
    if (ClipPaletteRamp(x0, x1, lowIndex, highIndex, ramp))
        FillPhasedPixels(ramp, y, highIndex, phaseIndex, ditherDepth);
}

}  // namespace vorrith
