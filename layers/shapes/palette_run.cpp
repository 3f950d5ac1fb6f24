#include "layers/shapes/palette_run.h"

#include <algorithm>

#include "core/canvas.h"
#include "core/palette.h"
#include "core/random.h"

namespace vorrith {

bool ClipPaletteRamp(int x0, int x1, int lowIndex, int highIndex, ClippedRamp& ramp) {
    int low = Fixed12::From(lowIndex);
    int high = Fixed12::From(highIndex);
    if (x0 < ClipLeft) {
        low += ((ClipLeft - x0) * (high - low)) / (x1 - x0);
        x0 = ClipLeft;
    }
    if (x1 > ClipRight) {
        high -= ((x1 - ClipRight) * (high - low)) / (x1 - x0);
        x1 = ClipRight;
    }
    if (x0 > x1) return false;
    ramp = {x0, x1, low, 0};
    if (x0 == x1) {
        ramp.position = (low + high) / 2;
    } else {
        ramp.step = (high - low) / (x1 - x0);
    }
    return true;
}

// The table cursor is kept in a local and written back: the canvas byte stores would
// otherwise send it to memory and back on every pixel.
void FillDitheredRun(int x0, int x1, int y, int lowIndex, int highIndex, int ditherDepth) {
    if (x0 == x1) {
        Canvas.PutPixelClipped(x0, y, PaletteColour((lowIndex + highIndex) >> 1));
        return;
    }
    ClippedRamp ramp;
    if (x0 > x1 || !ClipPaletteRamp(x0, x1, lowIndex, highIndex, ramp)) return;
    const DitherNoise dither(ditherDepth);
    uint8_t* p = Canvas.PixelAddress(ramp.first, y);
    int cursor = RandomCursor;
    int position = ramp.position;
    for (int x = ramp.first; x <= ramp.last; ++x, position += ramp.step, p += 3) {
        const int noise = RandomTable[cursor++ & kRandomTableMask];
        StoreColour(p, PaletteColour(std::min(Fixed12::Floor(position + dither.Offset(noise)), highIndex)));
    }
    RandomCursor = cursor;
}

}  // namespace vorrith
