// A Surface's pixels in the byte order a browser's ImageData wants: rows top to bottom,
// four bytes red, green, blue, alpha (always 255) per pixel, no row padding.
#pragma once

#include <cstdint>
#include <vector>

#include "core/surface.h"
#include "present/picture_placement.h"
#include "present/resampling_weights.h"

namespace vorrith {

struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bytes;
};

// Resizes picture to the surface's size and fills it from the surface's pixels.
void CopyToRgba(const Surface& surface, RgbaPicture& picture);

// The picture at size, placed by mode and resampled by filter as the native renderer's
// --size does, into rgba (size.width x size.height x 4 bytes). false when the resampler
// refuses the size or has no memory; rgba is then untouched.
bool ResampleToRgba(const PixelRows& picture, PictureSize size, FitMode mode, ScaleFilter filter, uint8_t* rgba);

// One row of width blue-green-red pixels as RGBA into rgba (width x 4 bytes).
void RowToRgba(const uint8_t* row, int width, uint8_t* rgba);

}  // namespace vorrith
