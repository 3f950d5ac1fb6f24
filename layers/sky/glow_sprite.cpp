#include "layers/sky/glow_sprite.h"

#include <cstring>
#include <new>

#include "core/canvas.h"

namespace vorrith {
namespace {

// outer + (w * (centre - outer) + h2) / (2 * h2): w runs from 2 * h2 at the centre down
// to 0 at distance h, so the colour falls off with the squared distance.
uint8_t GlowChannel(int outer, int centre, int w, int h2) {
    return static_cast<uint8_t>(outer + (w * (centre - outer) + h2) / (2 * h2));
}

void StorePixel(uint8_t* p, int red, int green, int blue) {
    p[0] = static_cast<uint8_t>(blue);
    p[1] = static_cast<uint8_t>(green);
    p[2] = static_cast<uint8_t>(red);
}

}  // namespace

GlowSprite MakeGlowSprite(int r, int outerRed, int centreRed, int outerGreen, int centreGreen,
                          int outerBlue, int centreBlue) {
    if (r < 1) return nullptr;
    const int size = GlowSpriteSize(r);
    const size_t bytes = static_cast<size_t>(size) * size * 3;
    GlowSprite sprite(new (std::nothrow) uint8_t[bytes]);
    if (!sprite) return nullptr;
    std::memset(sprite.get(), 0, bytes);
    if (r == 1) {
        StorePixel(sprite.get(), centreRed, centreGreen, centreBlue);
        return sprite;
    }
    const int h = r - 1;
    const int h2 = h * h;
    uint8_t* p = sprite.get();
    for (int dy = -h; dy <= h; ++dy) {
        for (int dx = -h; dx <= h; ++dx, p += 3) {
            if (h2 - dx * dx < dy * dy - h) continue;  // outside the disc
            int w = 2 * (h2 - dx * dx - dy * dy);
            if (w < 0) w = 0;
            StorePixel(p, GlowChannel(outerRed, centreRed, w, h2), GlowChannel(outerGreen, centreGreen, w, h2),
                       GlowChannel(outerBlue, centreBlue, w, h2));
        }
    }
    return sprite;
}

void AddGlowSprite(const GlowSprite& sprite, int x, int y, int r) {
    if (!sprite) return;
    const int size = GlowSpriteSize(r);
    canvas.AddImage(x - r + 1, y - r + 1, size, size, sprite.get(), 3);
}

void AddGlow(int x, int y, int r, float red, float green, float blue) {
    const GlowSprite sprite = MakeGlowSprite(r, 0, RoundColour(red), 0, RoundColour(green), 0, RoundColour(blue));
    AddGlowSprite(sprite, x, y, r);
}

}  // namespace vorrith
