#include "web/rgba_picture.h"

#include <cstddef>

namespace vorrith {

void CopyToRgba(const Surface& surface, RgbaPicture& picture) {
    picture.width = surface.width;
    picture.height = surface.height;
    picture.bytes.resize(static_cast<size_t>(surface.width) * surface.height * 4);
    uint8_t* out = picture.bytes.data();
    for (int y = 0; y < surface.height; ++y) {
        const uint8_t* in = surface.PixelAddress(0, y);
        for (int x = 0; x < surface.width; ++x, in += 3, out += 4) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = 255;
        }
    }
}

}  // namespace vorrith
