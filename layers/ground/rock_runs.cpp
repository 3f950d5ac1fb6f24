#include "layers/ground/rock_runs.h"

#include "core/canvas.h"
#include "core/palette.h"

namespace vorrith {

void BlendPaletteDot(int x, int y, int index, int halfWeight) {
    if (x < ClipLeft || x > ClipRight) return;
    Canvas.BlendPixel(x, y, 2 * halfWeight, PaletteColour(index));
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

}  // namespace vorrith
