#include "web/rgba_picture.h"

#include <cstddef>
#include <memory>
#include <new>

#include "present/picture_resampler.h"

namespace vorrith {
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

bool ResampleToRgba(const PixelRows& picture, PictureSize size, FitMode mode, ScaleFilter filter, uint8_t* rgba) {
    PictureResampler resampler(picture, size, mode, filter);
    if (!resampler.ok()) return false;
    const size_t rowBytes = static_cast<size_t>(size.width) * 3;
    const std::unique_ptr<uint8_t[]> row(new (std::nothrow) uint8_t[rowBytes]);
    if (!row) return false;
    for (int y = 0; y < size.height; ++y) {
        resampler.MakeRows(y, 1, row.get(), rowBytes);
        RowToRgba(row.get(), size.width, rgba + static_cast<size_t>(y) * size.width * 4);
    }
    return true;
}

}  // namespace vorrith
