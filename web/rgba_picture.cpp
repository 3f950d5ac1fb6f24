#include "web/rgba_picture.h"

#include <cstddef>

namespace vorrith {
namespace {

// The mean of each colour of the surface's pixels in [x0, x1) x [y0, y1), rounded, as
// red, green, blue and opaque alpha.
void StoreBlockMean(const Surface& surface, int x0, int x1, int y0, int y1, uint8_t* out) {
    int sums[3] = {0, 0, 0};
    for (int y = y0; y < y1; ++y) {
        const uint8_t* in = surface.PixelAddress(x0, y);
        for (int x = x0; x < x1; ++x, in += 3) {
            for (int c = 0; c < 3; ++c) sums[c] += in[c];
        }
    }
    const int count = (x1 - x0) * (y1 - y0);
    for (int c = 0; c < 3; ++c) out[2 - c] = static_cast<uint8_t>((sums[c] + count / 2) / count);
    out[3] = 255;
}

}  // namespace

void CopyToRgba(const Surface& surface, RgbaPicture& picture) {
    picture.width = surface.width;
    picture.height = surface.height;
    picture.bytes.resize(static_cast<size_t>(surface.width) * surface.height * 4);
    for (int y = 0; y < surface.height; ++y) {
        RowToRgba(surface.PixelAddress(0, y), surface.width,
                  picture.bytes.data() + static_cast<size_t>(y) * surface.width * 4);
    }
}

void RowToRgba(const uint8_t* row, int width, uint8_t* rgba) {
    for (int x = 0; x < width; ++x, row += 3, rgba += 4) {
        rgba[0] = row[2];
        rgba[1] = row[1];
        rgba[2] = row[0];
        rgba[3] = 255;
    }
}

void ShrinkToRgba(const Surface& surface, int width, int height, RgbaPicture& picture) {
    picture.width = width;
    picture.height = height;
    picture.bytes.resize(static_cast<size_t>(width) * height * 4);
    uint8_t* out = picture.bytes.data();
    for (int y = 0; y < height; ++y) {
        const int y0 = y * surface.height / height, y1 = (y + 1) * surface.height / height;
        for (int x = 0; x < width; ++x, out += 4) {
            StoreBlockMean(surface, x * surface.width / width, (x + 1) * surface.width / width, y0, y1, out);
        }
    }
}

}  // namespace vorrith
