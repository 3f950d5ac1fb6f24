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

}  // namespace vorrith
