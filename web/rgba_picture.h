// A Surface's pixels in the byte order a browser's ImageData wants: rows top to bottom,
// four bytes red, green, blue, alpha (always 255) per pixel, no row padding.
#pragma once

#include <cstdint>
#include <vector>

#include "core/surface.h"

namespace vorrith {

struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bytes;
};

// Resizes picture to the surface's size and fills it from the surface's pixels.
void CopyToRgba(const Surface& surface, RgbaPicture& picture);

// Resizes picture to width x height (each from 1 up to the surface's) and fills it with
// the surface shrunk: each pixel the rounded mean of the block of surface pixels it
// covers, the blocks' edges at whole pixels.
void ShrinkToRgba(const Surface& surface, int width, int height, RgbaPicture& picture);

// One row of width blue-green-red pixels as RGBA into rgba (width x 4 bytes).
void RowToRgba(const uint8_t* row, int width, uint8_t* rgba);

}  // namespace vorrith
