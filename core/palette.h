// The scene palette: 256 entries of blue, green, red and a zero byte, built per scene as
// colour ramps in bands of 32 (16-31 suns, 32-63 sky, 64-95 planet, 96-127 moons,
// 128-159 ground; everything else black).
//
// Ramp colours are colour values of 6-bit components (MakeColour of 0 ... 63); a ramp
// scales them to bytes by x4 while interpolating in 8.8 fixed point.
#pragma once

#include <cstdint>

#include "core/colour.h"

namespace vorrith {

struct PaletteEntry {
    uint8_t blue;
    uint8_t green;
    uint8_t red;
    uint8_t unused;  // always 0
};
static_assert(sizeof(PaletteEntry) == 4, "palette entries are four bytes");

constexpr int kPaletteSize = 256;
extern PaletteEntry Palette[kPaletteSize];

// Palette entry as a colour value.
inline uint32_t PaletteColour(int index) {
    const PaletteEntry& e = Palette[index];
    return MakeColour(e.red, e.green, e.blue);
}

void ClearPalette();

// Linear ramp over entries first ... last (last > first; last == first writes the
// start colour alone). The truncated step can leave the last entry a few units short
// of to x 4. The fourth byte of each entry is left as it is.
void PaletteRamp(int first, int last, uint32_t from, uint32_t to);

// A range of 6-bit colour components, both ends included.
struct ComponentRange {
    int low;
    int high;
};

// A colour whose components are drawn from the range, red first: three table values.
uint32_t RandomColour(ComponentRange range);

// A ramp over entries first ... last between two random colours, whose components are
// drawn from `start` and `end`.
struct RandomRamp {
    ComponentRange start;
    ComponentRange end;
    int first;
    int last;
};

// The ramp with one channel pushed to the upper halves of both ranges and possibly
// another to the lower halves. Two rand() draws, then six table values: the start's red,
// green and blue, then the end's.
void RandomPaletteRamp(const RandomRamp& ramp);

}  // namespace vorrith
