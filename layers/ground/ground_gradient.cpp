#include "layers/ground/ground_gradient.h"

#include <algorithm>
#include <cstring>

#include "core/canvas.h"
#include "core/fixed_divisor.h"
#include "core/fixed_point.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "core/simd.h"

namespace vorrith {
namespace {

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
    ramp.base = Fixed8::From(nearIndex);
    ramp.baseStep = Fixed8::Ratio(farIndex - nearIndex, groundRows);
    ramp.dither = widening ? Fixed8::Ratio(depth, groundRows) : Fixed8::From(depth);
    ramp.ditherStep = widening ? ramp.dither : 0;
    return ramp;
}

// One row of the gradient, the plain way: any table value, any dither width.
void PaintRowPlain(uint8_t* pixel, int count, const GradientRamp& ramp) {
    for (int x = 0; x < count; ++x, pixel += 3) {
        const int u = NextRandomValue();
        StoreColour(pixel, PaletteColour(Fixed8::Floor(ramp.base + u % ramp.dither)));
    }
}

// Four pixels of a row from four consecutive table values (no wrap among them), their
// palette entries stored as four bytes each; a pixel must follow them in the row.
void PaintFourPixels(uint8_t* pixel, const int32_t* values, int base, const FixedDivisor& ditherOf) {
#if defined(VORRITH_SSE2)
    const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i*>(values));
    const __m128i index = _mm_srai_epi32(_mm_add_epi32(_mm_set1_epi32(base), ditherOf.Remainders(u)), Fixed8::kShift);
    alignas(16) int32_t indices[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(indices), index);
#else
    int32_t indices[4];
    for (int k = 0; k < 4; ++k) indices[k] = Fixed8::Floor(base + ditherOf.Remainder(values[k]));
#endif
    for (int k = 0; k < 4; ++k) std::memcpy(pixel + 3 * k, &Palette[indices[k]], 4);
}

// One row with the dither remainder taken by a multiply (the table holds rand()
// results), four pixels at a time while the table does not wrap among them. Each pixel
// but the last is stored as its palette entry's four bytes, the fourth landing on the
// next pixel's first byte before that pixel is written.
void PaintRowFast(uint8_t* pixel, int count, const GradientRamp& ramp) {
    const FixedDivisor ditherOf(ramp.dither);
    int32_t cursor = RandomCursor;
    int x = 0;
    for (; x + 4 < count && (cursor & kRandomTableMask) + 4 <= kRandomTableSize; x += 4, cursor += 4, pixel += 12) {
        PaintFourPixels(pixel, RandomTable + (cursor & kRandomTableMask), ramp.base, ditherOf);
    }
    auto nextIndex = [&] {
        return Fixed8::Floor(ramp.base + ditherOf.Remainder(RandomTable[cursor++ & kRandomTableMask]));
    };
    for (++x; x < count; ++x, pixel += 3) std::memcpy(pixel, &Palette[nextIndex()], 4);
    if (count > 0) StoreColour(pixel, PaletteColour(nextIndex()));
    RandomCursor = cursor;
}

}  // namespace

void DrawHorizonHaze() {
    const int rows = 1 + (NextRandomValue() & 1);
    const int weightStep = 2 * (128 / (rows + 1));
    const uint32_t haze = PaletteColour(kHazeIndex);
    for (int k = 1; k <= rows; ++k) {
        const int y = Plan.horizonRow - rows + k - 1;
        for (int x = ClipLeft; x <= ClipRight; ++x) Canvas.BlendPixel(x, y, k * weightStep, haze);
    }
}

void DrawGroundGradient(int farIndex) {
    GradientRamp ramp = PlanGradient(farIndex);
    const bool tableFits = RandomTableHoldsRandResults();
    for (int y = Plan.horizonRow; y <= ClipBottom; ++y) {
        JumpRandomCursor();
        uint8_t* pixel = Canvas.PixelAddress(ClipLeft, y);
        const int count = ClipRight - ClipLeft + 1;
        if (tableFits && ramp.dither >= 1)
            PaintRowFast(pixel, count, ramp);
        else
            PaintRowPlain(pixel, count, ramp);
        ramp.base += ramp.baseStep;
        ramp.dither += ramp.ditherStep;
    }
}

}  // namespace vorrith
