#include "tests/support/picture_fixture.h"

#include <ostream>

#include "core/palette.h"
#include "scene/scene_driver.h"

namespace vorrith {

uint64_t SurfaceHash(const Surface& surface) {
    uint64_t hash = 0xcbf29ce484222325ull;
    const size_t bytes = static_cast<size_t>(surface.stride) * surface.height;
    for (size_t i = 0; i < bytes; ++i) {
        hash ^= surface.pixels[i];
        hash *= 0x100000001b3ull;
    }
    return hash;
}

uint64_t CanvasHash() { return SurfaceHash(Canvas); }

void RenderPicture(int imageNumber) { GenerateScene(imageNumber, nullptr); }

void PlanPicture(int imageNumber) { PlanScene(imageNumber); }

Rgb PaletteRgb(int index) { return {Palette[index].red, Palette[index].green, Palette[index].blue}; }

Rgb PixelRgb(int x, int y) {
    const uint32_t c = Canvas.GetPixel(x, y);
    return {RedOf(c), GreenOf(c), BlueOf(c)};
}

void PrintTo(const Rgb& rgb, std::ostream* os) {
    *os << "(" << rgb.red << ", " << rgb.green << ", " << rgb.blue << ")";
}

}  // namespace vorrith
