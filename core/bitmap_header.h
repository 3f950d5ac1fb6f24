// The 40-byte bitmap information header of a device-independent bitmap, laid out
// exactly as the platform's own, so a Surface's header can be handed to a DIB blit
// and written into a BMP file unchanged.
#pragma once

#include <cstdint>

namespace vorrith {

struct BitmapInfoHeader {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;  // negative: the first row in memory is the top of the picture
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};
static_assert(sizeof(BitmapInfoHeader) == 40, "bitmap header must be 40 bytes");

constexpr uint32_t kBiRgb = 0;  // uncompressed

}  // namespace vorrith
