#include "layers/ground/hill_ranges.h"

#include <algorithm>
#include <cstring>

#include "core/canvas.h"
#include "core/fixed_divisor.h"
#include "core/fixed_point.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"

namespace vorrith {
namespace {

// What one band needs to know while its columns are drawn. The bands are numbered from
// 1, the farthest, and each is a range of hills of one colour.
struct HillBand {
    int number;
    bool last;         // the nearest band drawn gets no extra soft-edge row
    int top;           // the nominal top row
    int height;        // rows from the nominal top to the base
    int lastRow;       // the base, or ClipBottom when that is higher
    int topIndex;      // the palette entry at the nominal top
    int slope;         // palette change from the nominal top to the base
    int spread;        // the skyline steps by -number ... spread - 1 - number per column
    int grain;         // dither depth in palette entries
    int fractionBits;  // of the skyline walker's fixed point
    bool tableFits;    // every table value is a rand() result
};

// The skyline carried from column to column (and rowEnd from band to band): a random
// walk in fixed point and the top rows of the previous, this and the next column.
struct Skyline {
    int walker;
    int previousTop;
    int top;
    int nextTop;
    int rowEnd;  // where the previous column stopped
};

void PutPaletteEntry(int x, int y, int index) {
    if (y <= ClipBottom) Canvas.PutPixel(x, y, PaletteColour(index));
}

void BlendPaletteEntry(int x, int y, int index, int weight) {
    if (y <= ClipBottom) Canvas.BlendPixel(x, y, weight, PaletteColour(index));
}

// Blends the column's top rows down to the lowest of its and its neighbours' tops, so
// steep steps of the skyline get a soft edge; returns the row after them. coverage is
// the share of the top pixel the hill covers, in the walker's fixed point.
int DrawSoftEdge(const HillBand& band, const Skyline& sky, int x, int coverage) {
    int bottom = std::max({sky.nextTop, sky.previousTop, sky.top});
    const int rampStep = 128 / (bottom - sky.top + 2);
    if (!band.last) ++bottom;
    bottom = std::min(bottom, band.lastRow);
    const int firstWeight = (rampStep * coverage) >> band.fractionBits;
    for (int y = sky.top; y <= bottom; ++y) {
        if (y < ClipTop) continue;  // the walker may rise above the canvas
        const int index = std::max(band.topIndex, band.topIndex + (band.slope * (y - band.top)) / band.height);
        BlendPaletteEntry(x, y, index, 2 * firstWeight + 2 * rampStep * (y - sky.top));
    }
    return bottom + 1;
}

// Where the column rises above the band's nominal top: dithered band colour down to a
// random row at most two below the nominal top. Returns the row after the cap.
int DrawDitheredCap(const HillBand& band, int x, int y) {
    for (;;) {
        const int stop = NextRandomValue();
        if (y >= band.top + stop % 3 || y < ClipTop) return y;
        const int dither = NextRandomValue();
        PutPaletteEntry(x, y, band.topIndex - dither % band.grain);
        ++y;
    }
}

int BodyLimit(const HillBand& band) {
    const int t = NextRandomValue();
    return band.lastRow - t % 3 + band.number - 1;
}

// The dithered ramp from the band's colour toward the ground's colour at its base, in
// 8.8 palette units; it ends a random row or so past the base. Returns the row after it.
int DrawBodyPlain(const HillBand& band, int x, int y) {
    const int rowStep = Fixed8::Ratio(band.slope, band.height);
    int position = (y - band.top) * rowStep;
    for (int limit = BodyLimit(band); y <= limit; limit = BodyLimit(band)) {
        if (y >= ClipTop) {
            const int dither = NextRandomValue();
            PutPaletteEntry(x, y, band.topIndex + Fixed8::Floor(position - dither % Fixed8::From(band.grain)));
        }
        position += rowStep;
        ++y;
    }
    return y;
}

// DrawBodyPlain for a table of rand() results: the table read through a local cursor
// (kept in a register while pixel bytes are stored), the remainders taken by
// multiplies or masks, the column walked by a row offset; the same values are read in
// the same order. ditherOf(u) is u % grain in 8.8.
template <class DitherRemainder>
int DrawBodyRows(const HillBand& band, int x, int y, DitherRemainder ditherOf) {
    const FixedDivisor stopOf(3);
    const int rowStep = Fixed8::Ratio(band.slope, band.height);
    const int lastLimit = band.lastRow + band.number - 1;
    const int clipTop = ClipTop, clipBottom = ClipBottom;
    const int stride = Canvas.stride;
    uint8_t* const column = Canvas.pixels + 3 * x;
    int position = (y - band.top) * rowStep;
    int rowOffset = y * stride;
    int32_t cursor = RandomCursor;
    auto next = [&cursor] { return RandomTable[cursor++ & kRandomTableMask]; };
    for (int limit = lastLimit - stopOf.Remainder(next()); y <= limit; limit = lastLimit - stopOf.Remainder(next())) {
        if (y >= clipTop) {
            const int index = band.topIndex + Fixed8::Floor(position - ditherOf(next()));
            if (y <= clipBottom) std::memcpy(column + rowOffset, &Palette[index], 3);
        }
        position += rowStep;
        rowOffset += stride;
        ++y;
    }
    RandomCursor = cursor;
    return y;
}

// Grains 1, 2 and 4 make the dither width a power of two: a rand() result's remainder
// is then its low bits.
int DrawBody(const HillBand& band, int x, int y) {
    const int ditherWidth = Fixed8::From(band.grain);
    if (!band.tableFits) return DrawBodyPlain(band, x, y);
    if ((ditherWidth & (ditherWidth - 1)) == 0) {
        return DrawBodyRows(band, x, y, [mask = ditherWidth - 1](int32_t u) { return u & mask; });
    }
    const FixedDivisor remainder(ditherWidth);
    return DrawBodyRows(band, x, y, [&remainder](int32_t u) { return remainder.Remainder(u); });
}

void DrawHillColumn(const HillBand& band, Skyline& sky, int x) {
    JumpRandomCursor();
    sky.previousTop = sky.top;
    sky.top = sky.nextTop;
    const int one = 1 << band.fractionBits;
    const int coverage = one - (sky.walker & (one - 1));
    const int step = NextRandomValue();
    // While the previous column stopped above the horizon the walk drifts downward.
    sky.walker += (sky.rowEnd < Plan.horizonRow ? 1 : 0) + step % band.spread - band.number;
    sky.nextTop = sky.walker >> band.fractionBits;
    if (sky.top > band.lastRow) {
        sky.rowEnd = sky.top;
        return;
    }
    int y = DrawSoftEdge(band, sky, x, coverage);
    if (y <= band.lastRow) {
        y = DrawDitheredCap(band, x, y);
        y = DrawBody(band, x, y);
    }
    sky.rowEnd = y;
}

// The band's slope runs to the colour the ground gradient has at the band's base.
void DrawHillBand(HillBand& band, Skyline& sky, int horizonIndex, int farIndex) {
    sky.walker = (band.top << band.fractionBits) + 5;
    sky.top = sky.nextTop = band.top;
    const int base = band.top + band.height;
    band.lastRow = std::min(base, ClipBottom);
    const int groundAtBase =
        horizonIndex - ((base - Plan.horizonRow) * (horizonIndex - farIndex)) / (ClipBottom - Plan.horizonRow);
    band.slope = groundAtBase - band.topIndex;
    for (int x = ClipLeft; x <= ClipRight; ++x) DrawHillColumn(band, sky, x);
}

}  // namespace

void DrawHillRanges(int horizonIndex, int farIndex, int grain, int mostBands) {
    const int planned = NextRandomValue() % 3 + 2;
    HillBand band{};
    band.grain = grain;
    band.tableFits = RandomTableHoldsRandResults();
    band.height = (ClipBottom - Plan.horizonRow) / (planned * planned);
    band.topIndex = grain + 2 * planned + kGroundPaletteFirst + 1;
    band.fractionBits = NextRandomValue() % 3;
    band.top = Plan.horizonRow - band.fractionBits - band.height + 4;
    band.spread = 3;
    const int count = std::min(planned, mostBands);
    Skyline sky{};
    sky.rowEnd = band.top;
    for (int i = 1; i <= count; ++i) {
        band.number = i;
        band.last = i == count;
        DrawHillBand(band, sky, horizonIndex, farIndex);
        band.spread += 2;
        band.topIndex -= 2;
        band.top += band.height;
        band.height *= 2;
    }
}

}  // namespace vorrith
