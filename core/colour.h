// Colour values and the bytes of a pixel.
//
// A colour value is 0x00RRGGBB: bits 0-7 blue, 8-15 green, 16-23 red; a pixel stores it
// as the three bytes blue, green, red. MakeColour packs the low byte of each component
// and StoreColour writes a value into a pixel's bytes: every layer builds its colours
// with these two. ScaleByte is the one byte scaling of the pictures (ScalePixel's).
#pragma once

#include <cstdint>

namespace vorrith {

constexpr uint8_t BlueOf(uint32_t colour) { return static_cast<uint8_t>(colour); }
constexpr uint8_t GreenOf(uint32_t colour) { return static_cast<uint8_t>(colour >> 8); }
constexpr uint8_t RedOf(uint32_t colour) { return static_cast<uint8_t>(colour >> 16); }

constexpr uint32_t MakeColour(int red, int green, int blue) {
    return (static_cast<uint32_t>(red & 0xFF) << 16) | (static_cast<uint32_t>(green & 0xFF) << 8) |
           static_cast<uint32_t>(blue & 0xFF);
}

// Stores a colour value into the three bytes of the pixel at p.
inline void StoreColour(uint8_t* p, uint32_t colour) {
    p[0] = BlueOf(colour);
    p[1] = GreenOf(colour);
    p[2] = RedOf(colour);
}

// value * factor / 256, rounded and saturating at 255: (value * factor + 128) >> 8.
constexpr uint8_t ScaleByte(int value, int factor) {
    const int scaled = (value * factor + 128) >> 8;
    return static_cast<uint8_t>(scaled < 255 ? scaled : 255);
}

}  // namespace vorrith
