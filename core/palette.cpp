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

int RandomComponent(ComponentRange range) { return range.low + NextRandomValue() % (range.high - range.low + 1); }

ComponentRange UpperHalf(ComponentRange range) { return {(range.low + range.high) / 2, range.high}; }
ComponentRange LowerHalf(ComponentRange range) { return {range.low, (range.low + range.high) / 2}; }

// One table value per channel, red first.
uint32_t RandomColourIn(const ComponentRange (&channels)[3]) {
    const int red = RandomComponent(channels[0]);
    const int green = RandomComponent(channels[1]);
    const int blue = RandomComponent(channels[2]);
    return MakeColour(red, green, blue);
}

}  // namespace

uint32_t RandomColour(ComponentRange range) { return RandomColourIn({range, range, range}); }

void RandomPaletteRamp(const RandomRamp& ramp) {
    const int upperChannel = rand() % 3;
    const int lowerChannel = rand() % 3;
    ComponentRange startRanges[3];  // red, green, blue
    ComponentRange endRanges[3];
    for (int i = 0; i < 3; ++i) {
        startRanges[i] = ramp.start;
        endRanges[i] = ramp.end;
        if (i == upperChannel) {
            startRanges[i] = UpperHalf(ramp.start);
            endRanges[i] = UpperHalf(ramp.end);
        } else if (i == lowerChannel) {
            startRanges[i] = LowerHalf(ramp.start);
            endRanges[i] = LowerHalf(ramp.end);
        }
    }
    const uint32_t start = RandomColourIn(startRanges);
    const uint32_t end = RandomColourIn(endRanges);
    PaletteRamp(ramp.first, ramp.last, start, end);
}

}  // namespace vorrith
