// The interior rows of a shaded disc and the sky colour of its dark side.
#include <algorithm>

#include "core/canvas.h"
#include "core/fixed_divisor.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/bodies/shaded_disc.h"

namespace vorrith {
namespace {

constexpr int kIndexShift = 12;  // span colour positions are palette indices in 20.12
constexpr int kIndexFraction = (1 << kIndexShift) - 1;
constexpr int kLargestTableNoise = 32767;
constexpr int kLargestTabledDepth = 4096;

// A lit pixel next to the dark side: how far it is mixed from the sky towards its own
// colour. fade starts at 3 and drops to 1, so only the first lit pixels are softened
// (and only they need the division).
uint32_t LitPixelColour(int index, int phaseIndex, int skyIndex, int& fade) {
    const int scaled = (index - phaseIndex + 1) * 56;
    const int amount = fade == 1 ? scaled : scaled / fade;
    if (fade > 1) --fade;
    return amount < 128 ? MixPaletteColours(skyIndex, index, amount) : PaletteColour(index);
}

// The dither's offset for one table value, noise % (depth << 12), or 0 without dither.
// Table values are 0 ... 32767, and for them the remainder is ((noise >> 12) % depth)
// << 12 plus the low twelve bits: an eight-entry table instead of a division. Other
// values, or depths whose shifted form would not fit, divide.
class DitherNoise {
public:
    explicit DitherNoise(int depth)
        : dither_(depth << kIndexShift), tabled_(depth >= 1 && depth <= kLargestTabledDepth) {
        for (int i = 0; i < 8; ++i) high_[i] = tabled_ ? (i % depth) << kIndexShift : 0;
    }
    int Offset(int noise) const {
        if (dither_ <= 0) return 0;
        if (tabled_ && noise >= 0 && noise <= kLargestTableNoise) {
            return high_[noise >> kIndexShift] + (noise & kIndexFraction);
        }
        return noise % dither_;
    }

private:
    int dither_;
    bool tabled_;
    int high_[8];
};

// SkyShadeIndex along one row: the row's place in the sky is worked out once, and the
// noise range (4 ... 16 in scenes) divides by multiplication; draws are 0 ... 32767.
class RowSkyShade {
public:
    explicit RowSkyShade(int y)
        : gradient_(Plan.gradientSky != 0),
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

void StoreColour(uint8_t* p, uint32_t colour) {
    p[0] = BlueOf(colour);
    p[1] = GreenOf(colour);
    p[2] = RedOf(colour);
}

// The span's pixels from x0 to x1 (inside the columns), one table value each. The
// table cursor is kept in a local and written back: the canvas byte stores would
// otherwise send it to memory and back on every pixel.
void FillSpanPixels(int x0, int x1, int y, int position, int increment, int highIndex, int phaseIndex,
                    int ditherDepth) {
    const DitherNoise dither(ditherDepth);
    uint8_t* p = canvas.PixelAddress(x0, y);
    int cursor = randomCursor;
    if (phaseIndex == 0) {
        for (int x = x0; x <= x1; ++x, position += increment, p += 3) {
            const int noise = RandomTable[cursor++ & kRandomTableMask];
            StoreColour(p, PaletteColour(std::min((position + dither.Offset(noise)) >> kIndexShift, highIndex)));
        }
        randomCursor = cursor;
        return;
    }
    const RowSkyShade sky(y);
    int fade = 3;
    for (int x = x0; x <= x1; ++x, position += increment, p += 3) {
        const int noise = RandomTable[cursor++ & kRandomTableMask];
        const int index = std::min((position + dither.Offset(noise)) >> kIndexShift, highIndex);
        const int skyIndex = sky.Next();
        const bool darkSide = (position >> kIndexShift) < phaseIndex;
        StoreColour(p, darkSide ? PaletteColour(skyIndex) : LitPixelColour(index, phaseIndex, skyIndex, fade));
    }
    randomCursor = cursor;
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
    if (x0 == x1) {
        canvas.PutPixelClipped(x0, y, PaletteColour((lowIndex + highIndex) >> 1));
        return;
    }
    if (x0 > x1) return;
    int low = lowIndex << kIndexShift;
    int high = highIndex << kIndexShift;
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

    FillSpanPixels(x0, x1, y, low, increment, highIndex, phaseIndex, ditherDepth);
}

}  // namespace vorrith
