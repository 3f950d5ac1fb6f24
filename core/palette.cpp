#include "core/palette.h"

#include <cstring>

#include "core/fixed_point.h"
#include "core/random.h"

namespace vorrith {

PaletteEntry Palette[kPaletteSize];

void ClearPalette() { std::memset(Palette, 0, sizeof Palette); }

namespace {

// A 6-bit component held in 8.8 as a byte: times 4 keeps two of its fraction bits.
uint8_t RampByte(int position) { return static_cast<uint8_t>(position >> (Fixed8::kShift - 2)); }

}  // namespace

void PaletteRamp(int first, int last, uint32_t from, uint32_t to) {
    // Each channel runs in 8.8 from its 6-bit start.
    const int n = last - first;
    int accumulator[3];
    int delta[3];
    for (int channel = 0; channel < 3; ++channel) {  // 0 blue, 1 green, 2 red
        const int shift = 8 * channel;
        const int start = static_cast<int>((from >> shift) & 0xFF);
        const int end = static_cast<int>((to >> shift) & 0xFF);
        delta[channel] = n == 0 ? 0 : Fixed8::Ratio(end - start, n);
        accumulator[channel] = Fixed8::From(start);
    }
    for (int e = first; e <= last; ++e) {
        Palette[e].blue = RampByte(accumulator[0]);
        Palette[e].green = RampByte(accumulator[1]);
        Palette[e].red = RampByte(accumulator[2]);
        for (int channel = 0; channel < 3; ++channel) accumulator[channel] += delta[channel];
    }
}

namespace {

struct Range {
    int lo;
    int hi;
};

int PickInRange(Range range) { return range.lo + NextRandomValue() % (range.hi - range.lo + 1); }

}  // namespace

void RandomPaletteRamp(int lowMin, int lowMax, int highMin, int highMax, int first, int last) {
    const int upperChannel = rand() % 3;
    const int lowerChannel = rand() % 3;
    const int lowMid = (lowMin + lowMax) / 2;
    const int highMid = (highMin + highMax) / 2;
    Range startRange[3];  // 0 red, 1 green, 2 blue
    Range endRange[3];
    for (int i = 0; i < 3; ++i) {
        startRange[i] = {lowMin, lowMax};
        endRange[i] = {highMin, highMax};
        if (i == upperChannel) {
            startRange[i] = {lowMid, lowMax};
            endRange[i] = {highMid, highMax};
        } else if (i == lowerChannel) {
            startRange[i] = {lowMin, lowMid};
            endRange[i] = {highMin, highMid};
        }
    }
    // Table values are taken start red, green, blue, then end red, green, blue.
    int start[3];
    int end[3];
    for (int i = 0; i < 3; ++i) start[i] = PickInRange(startRange[i]);
    for (int i = 0; i < 3; ++i) end[i] = PickInRange(endRange[i]);
    PaletteRamp(first, last, MakeColour(start[0], start[1], start[2]), MakeColour(end[0], end[1], end[2]));
}

}  // namespace vorrith
