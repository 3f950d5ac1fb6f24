// A shaded span takes its dither remainder from a small table and its sky shade from a
// row worked out once; both must give the pixels and draws of plain per-pixel
// division, for table values across 0 ... 32767 and outside it, every dither depth the
// scenes use and more, with and without a phase.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "core/canvas.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "layers/bodies/shaded_disc.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

constexpr int kRow = 120;

int PlainSkyIndex(int y) {
    if (!Plan.gradientSky) return 0;
    const int noise = rand() % (4 * Plan.grain);
    const int position = ((y - ClipTop) * 96) / (Plan.horizonRow - ClipTop + 1);
    return std::max((position - noise) / 4 + 32, 32);
}

// The span's pixel loop with a division per pixel, for spans inside the columns.
void PlainSpan(int x0, int x1, int y, int lowIndex, int highIndex, int phaseIndex, int ditherDepth) {
    const int low = lowIndex << 12;
    const int increment = ((highIndex << 12) - low) / (x1 - x0);
    const int dither = ditherDepth << 12;
    int position = low;
    int fade = 3;
    for (int x = x0; x <= x1; ++x, position += increment) {
        const int noise = NextRandomValue();
        const int index = std::min((position + (dither > 0 ? noise % dither : 0)) >> 12, highIndex);
        uint32_t colour = PaletteColour(index);
        if (phaseIndex != 0) {
            const int skyIndex = PlainSkyIndex(y);
            if ((position >> 12) < phaseIndex) {
                colour = PaletteColour(skyIndex);
            } else {
                const int amount = ((index - phaseIndex + 1) * 56) / fade;
                if (fade > 1) --fade;
                if (amount < 128) colour = MixPaletteColours(skyIndex, index, amount);
            }
        }
        Canvas.PutPixel(x, y, colour);
    }
}

class ShadedSpanTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        PlanPicture(1);
        for (int i = 0; i < 256; ++i) Palette[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 7, 0};
        Plan.horizonRow = 300;
        // Every value 0 ... 32767 once (odd strides through the range), then some
        // beyond it on both sides.
        for (int i = 0; i < kRandomTableSize; ++i) RandomTable[i] = (i * 8191 + 3) & 32767;
        for (int i = 0; i < 64; ++i) RandomTable[i * 97] = i % 2 == 0 ? -1 - i * 4099 : 32768 + i * 4099;
    }
    void ExpectSameAsPlain(int x0, int x1, int phaseIndex, int depth, int cursor = 5000) {
        std::memset(Canvas.pixels, 0, static_cast<size_t>(Canvas.stride) * Canvas.height);
        srand(31);
        RandomCursor = cursor;
        PlainSpan(x0, x1, kRow, 64, 95, phaseIndex, depth);
        const uint64_t plainHash = CanvasHash();
        const uint32_t plainState = RandomState();
        const int plainCursor = RandomCursor;
        std::memset(Canvas.pixels, 0, static_cast<size_t>(Canvas.stride) * Canvas.height);
        srand(31);
        RandomCursor = cursor;
        FillShadedSpan(x0, x1, kRow, 64, 95, phaseIndex, depth);
        EXPECT_EQ(CanvasHash(), plainHash) << "phase " << phaseIndex << " depth " << depth;
        EXPECT_EQ(RandomState(), plainState);
        EXPECT_EQ(RandomCursor, plainCursor);
    }
};

TEST_F(ShadedSpanTest, TabledRemaindersMatchDivision) {
    for (int depth : {0, 1, 2, 3, 5, 7, 8, 9, 40}) {
        for (int start = 0; start < kRandomTableSize; start += 4000) ExpectSameAsPlain(10, 609, 0, depth, start);
    }
}

TEST_F(ShadedSpanTest, PhasedSpansMatchPerPixelSkyDraws) {
    for (int grain : {1, 3, 4}) {
        Plan.grain = grain;
        for (int gradient : {0, 1}) {
            Plan.gradientSky = gradient;
            ExpectSameAsPlain(20, 500, 80, 4);
            ExpectSameAsPlain(20, 500, 64, 7);
        }
    }
}

}  // namespace
}  // namespace vorrith
