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

struct GlowColours {
    int outerRed, centreRed, outerGreen, centreGreen, outerBlue, centreBlue;
};

// One row of the sprite at vertical offset dy from the centre, computed for dx >= 0 and
// mirrored to the left. A pixel is inside when dx^2 + dy^2 <= h^2 + h.
void FillGlowRow(uint8_t* row, int h, int dy, const GlowColours& c) {
    const int h2 = h * h;
    for (int dx = 0; dx <= h; ++dx) {
        if (h2 - dx * dx < dy * dy - h) break;  // outside the disc, and so is the rest
        int w = 2 * (h2 - dx * dx - dy * dy);
        if (w < 0) w = 0;
        uint8_t* right = row + 3 * (h + dx);
        StorePixel(right, GlowChannel(c.outerRed, c.centreRed, w, h2), GlowChannel(c.outerGreen, c.centreGreen, w, h2),
                   GlowChannel(c.outerBlue, c.centreBlue, w, h2));
        std::memcpy(row + 3 * (h - dx), right, 3);
    }
}

}  // namespace

GlowSprite MakeGlowSprite(int r, int outerRed, int centreRed, int outerGreen, int centreGreen,
                          int outerBlue, int centreBlue) {
    if (r < 1 || r > kMaxGlowRadius) return nullptr;
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
    const int rowBytes = size * 3;
    const GlowColours colours{outerRed, centreRed, outerGreen, centreGreen, outerBlue, centreBlue};
    for (int dy = 0; dy <= h; ++dy) {
        uint8_t* lowerRow = sprite.get() + (h + dy) * rowBytes;
        FillGlowRow(lowerRow, h, dy, colours);
        // The sprite is symmetric top to bottom: the row as far above the middle is the same.
        if (dy > 0) std::memcpy(sprite.get() + (h - dy) * rowBytes, lowerRow, static_cast<size_t>(rowBytes));
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
