#include "layers/ground/rock_runs.h"

#include <algorithm>

#include "core/canvas.h"
#include "core/palette.h"
#include "core/random.h"

namespace vorrith {

void BlendPaletteDot(int x, int y, int index, int halfWeight) {
    if (x < ClipLeft || x > ClipRight) return;
    canvas.BlendPixel(x, y, 2 * halfWeight, PaletteColour(index));
}

void ShadeRun(int from, int to, int y, int index, int num, int den) {
    if (to >= from) {
        const int step = 128 / (to - from + 1);
        int halfWeight = (step * num) / den;
        for (int x = from; x <= to; ++x, halfWeight += step) BlendPaletteDot(x, y, index, halfWeight);
    } else {
        const int step = -128 / (to - from - 1);
        int halfWeight = (step * num) / den;
        for (int x = from; x >= to; --x, halfWeight += step) BlendPaletteDot(x, y, index, halfWeight);
    }
}

void FillRunDithered(int from, int to, int y, int fromIndex, int toIndex, int dither) {
    if (from == to) {
        canvas.PutPixelClipped(from, y, PaletteColour((fromIndex + toIndex) >> 1));
        return;
    }
    if (to < from) return;
    int p = fromIndex * 4096;
    int q = toIndex * 4096;
    const int ditherRange = dither * 4096;
    if (from < ClipLeft) {
        p += ((ClipLeft - from) * (q - p)) / (to - from);
        from = ClipLeft;
    }
    if (to > ClipRight) {
        q -= ((to - ClipRight) * (q - p)) / (to - from);
        to = ClipRight;
    }
    if (to < from) return;
    int step = 0;
    if (from == to) {
        p = (p + q) / 2;
    } else {
        step = (q - p) / (to - from);
    }
    for (int x = from; x <= to; ++x, p += step) {
        const int t = NextRandomValue();
        const int index = std::min((p + t % ditherRange) >> 12, toIndex);
        canvas.PutPixel(x, y, PaletteColour(index));
    }
}

}  // namespace vorrith
