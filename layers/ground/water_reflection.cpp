#include "layers/ground/water_reflection.h"

#include <algorithm>
#include <cstring>

#include "core/simd.h"

#if defined(VORRITH_SSE2)
#include <emmintrin.h>
#endif

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

// Each water pixel mirrors one of eight rows, picked by the low three bits of its
// table value; their clamped row numbers are worked out once per water row.
struct MirrorSources {
    const uint8_t* rows[8];
};

MirrorSources SourcesOfRow(int sourceRow) {
    MirrorSources sources;
    for (int jitter = 0; jitter < 8; ++jitter) {
        const int row = std::max(0, std::min(sourceRow - jitter + 3, Plan.horizonRow - 1));
        sources.rows[jitter] = Canvas.PixelAddress(0, row);
    }
    return sources;
}

// Lifts every byte of a row of count bytes to at least its floor byte (byte i to
// floor.byte[i % 3]), sixteen bytes at a time where SSE2 is there.
void RaiseToFloor(uint8_t* bytes, int count, const WaterFloor& floor) {
    int i = 0;
#if defined(VORRITH_SSE2)
    // Sixteen-byte blocks start at byte 0, 16 or 32 of a three-pixel-long cycle of 48.
    uint8_t pattern[48];
    for (int k = 0; k < 48; ++k) pattern[k] = floor.byte[k % 3];
    for (; i + 16 <= count; i += 16) {
        __m128i* at = reinterpret_cast<__m128i*>(bytes + i);
        const __m128i lowest = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pattern + i % 48));
        _mm_storeu_si128(at, _mm_max_epu8(_mm_loadu_si128(at), lowest));
    }
#endif
    for (; i < count; ++i) bytes[i] = std::max(bytes[i], floor.byte[i % 3]);
}

// The mirrored pixels are copied as four bytes each, the fourth landing on the next
// pixel's first byte before that pixel is written (the row's last pixel as three);
// then the row is lifted to the floor, max being taken byte by byte either way. The
// source rows lie above the horizon, so never in a water row being written.
void MirrorRow(int y, int sourceRow, const WaterFloor& floor) {
    const MirrorSources sources = SourcesOfRow(sourceRow);
    uint8_t* const target = Canvas.PixelAddress(0, y);
    const int width = SceneWidth;
    int32_t cursor = RandomCursor;
    auto sourceOf = [&](int x) { return sources.rows[RandomTable[cursor++ & kRandomTableMask] & 7] + 3 * x; };
    for (int x = 0; x + 1 < width; ++x) std::memcpy(target + 3 * x, sourceOf(x), 4);
    if (width > 0) std::memcpy(target + 3 * (width - 1), sourceOf(width - 1), 3);
    RandomCursor = cursor;
    if (floor.byte[0] != 0 || floor.byte[1] != 0 || floor.byte[2] != 0) RaiseToFloor(target, 3 * width, floor);
}

// The plain form, pixel by pixel, for a horizon at the top row, where the only source
// row is the water's own first row.
void MirrorRowInPlace(int y, int sourceRow, const WaterFloor& floor) {
    uint8_t* target = Canvas.PixelAddress(0, y);
    for (int x = 0; x < SceneWidth; ++x, target += 3) {
        const int jitter = NextRandomValue();
        const int row = std::max(0, std::min(sourceRow - (jitter & 7) + 3, Plan.horizonRow - 1));
        const uint8_t* source = Canvas.PixelAddress(x, row);
        for (int c = 0; c < 3; ++c) target[c] = std::max(source[c], floor.byte[c]);
    }
}

// Works on whole rows of the stride, padding included, in memory order: each byte
// becomes the floor of the mean of itself and the byte a row above, already smeared.
void SmearDownward() {
    const int stride = Canvas.stride;
    uint8_t* p = Canvas.PixelAddress(0, Plan.horizonRow);
    uint8_t* const end = Canvas.pixels + static_cast<long>(SceneHeight) * stride;
#if defined(VORRITH_SSE2)
    // Sixteen bytes at a time read sixteen finished bytes while a row is at least that
    // long. The vector mean rounds up: where the sum is odd, the one it added comes off.
    if (stride >= 16) {
        const __m128i one = _mm_set1_epi8(1);
        for (; end - p >= 16; p += 16) {
            const __m128i above = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p - stride));
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i odd = _mm_and_si128(_mm_xor_si128(above, here), one);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_sub_epi8(_mm_avg_epu8(above, here), odd));
        }
    }
#endif
    for (; p < end; ++p) *p = static_cast<uint8_t>((p[-stride] + p[0]) >> 1);
}

}  // namespace

WaterFloor WaterFloorColour() {
    if (Plan.gradientSky) return {{0, 0, 0}};
    const PaletteEntry& entry = Palette[132];
    return {{entry.red, entry.green, entry.blue}};
}

void DrawWaterReflection() {
    const WaterFloor floor = WaterFloorColour();
    const Ripple ripple = DrawRipple();
    const int waterRows = SceneHeight - Plan.horizonRow;
    for (int i = 0; i < waterRows; ++i) {
        const int y = Plan.horizonRow + i;
        const int sourceRow = SourceRow(ripple, i, waterRows);
        if (Plan.horizonRow > 0)
            MirrorRow(y, sourceRow, floor);
        else
            MirrorRowInPlace(y, sourceRow, floor);
    }
    SmearDownward();
}

}  // namespace vorrith
