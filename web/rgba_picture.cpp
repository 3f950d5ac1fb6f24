#include "web/rgba_picture.h"

#include <cstddef>
#include <memory>
#include <new>

#include "present/picture_resampler.h"

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

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
    int x = 0;
#if defined(__wasm_simd128__)
    // Four pixels a turn: their 12 bytes reordered into 16 with alpha set. Each turn
    // loads 16 bytes, so the turns stop while the row has 4 more bytes after the four.
    const v128_t order = wasm_i8x16_make(2, 1, 0, 16, 5, 4, 3, 16, 8, 7, 6, 16, 11, 10, 9, 16);
    const v128_t opaque = wasm_i32x4_splat(static_cast<int32_t>(0xFF000000u));
    for (; x + 6 <= width; x += 4, row += 12, rgba += 16) {
        wasm_v128_store(rgba, wasm_v128_or(wasm_i8x16_swizzle(wasm_v128_load(row), order), opaque));
    }
#endif
    for (; x < width; ++x, row += 3, rgba += 4) {
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
