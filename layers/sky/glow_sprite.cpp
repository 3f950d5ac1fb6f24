#include "layers/sky/glow_sprite.h"

#include <cstring>
#include <new>

#include "core/canvas.h"
#include "core/fixed_divisor.h"

namespace vorrith {
namespace {

// outer + (w * (centre - outer) + h2) / (2 * h2): w runs from 2 * h2 at the centre down
// to 0 at distance h, so the colour falls off with the squared distance. The numerator
// stays within 32 bits for every allowed radius, where the fixed divisor is exact.
uint8_t GlowChannel(int outer, int centre, int w, int h2, const FixedDivisor& twiceH2) {
    return static_cast<uint8_t>(outer + twiceH2.TruncatedQuotient(w * (centre - outer) + h2));
}

struct GlowColours {
    GlowLight centre;
    GlowLight outer;
};

// The sprite being filled: its pixels, row spans and the disc's radius h = r - 1, whose
// centre pixel is at column and row h.
struct SpriteRows {
    uint8_t* pixels;
    PixelSpan* spans;
    int h;
    int rowBytes;

    uint8_t* At(int column, int row) const { return pixels + row * rowBytes + 3 * column; }
};

// The largest dx with dx^2 + dy^2 <= h^2 + h, the disc's reach in row h + dy, found from
// the reach of the row before (it only shrinks going down).
int DiscReach(int h, int dy, int reachAbove) {
    int dx = reachAbove;
    while (dx * dx > h * h + h - dy * dy) --dx;
    return dx;
}

// Row h + dy out to reach either side of the middle, zero beyond. A pixel depends only
// on dx^2 + dy^2: pixels with dx < dy are the ones at (dy, dx), in row h + dx filled
// before; the rest are computed. Each is stored to the right and mirrored to the left.
// Returns the last dx whose pixel is not all zero, or -1.
int FillRowPixels(const SpriteRows& s, int dy, int reach, const GlowColours& c) {
    const int h2 = s.h * s.h;
    const FixedDivisor twiceH2(2 * h2);
    uint8_t* middle = s.At(s.h, s.h + dy);
    const uint8_t* transposed = s.At(s.h + dy, s.h);  // (dy, 0), then one row down per dx
    int lit = -1;
    for (int dx = 0; dx <= reach; ++dx, transposed += s.rowBytes) {
        uint8_t pixel[3];
        if (dx < dy) {
            std::memcpy(pixel, transposed, 3);
        } else {
            int w = 2 * (h2 - dx * dx - dy * dy);
            if (w < 0) w = 0;
            pixel[0] = GlowChannel(c.outer.blue, c.centre.blue, w, h2, twiceH2);
            pixel[1] = GlowChannel(c.outer.green, c.centre.green, w, h2, twiceH2);
            pixel[2] = GlowChannel(c.outer.red, c.centre.red, w, h2, twiceH2);
        }
        if ((pixel[0] | pixel[1] | pixel[2]) != 0) lit = dx;
        std::memcpy(middle + 3 * dx, pixel, 3);
        std::memcpy(middle - 3 * dx, pixel, 3);
    }
    const size_t outside = static_cast<size_t>(3 * (s.h - reach));  // bytes on either side beyond the disc
    std::memset(middle - 3 * s.h, 0, outside);
    std::memset(middle + 3 * (reach + 1), 0, outside);
    return lit;
}

void FillRow(const SpriteRows& s, int dy, int reach, const GlowColours& c) {
    const int lit = FillRowPixels(s, dy, reach, c);
    s.spans[s.h + dy] = lit < 0 ? PixelSpan{0, 0} : PixelSpan{s.h - lit, 2 * lit + 1};
}

// The sprite is symmetric top to bottom: row h - dy is a copy of row h + dy.
void FillSprite(const SpriteRows& s, const GlowColours& c) {
    int reach = s.h;  // h^2 <= h^2 + h < (h + 1)^2
    for (int dy = 0; dy <= s.h; ++dy) {
        reach = DiscReach(s.h, dy, reach);
        FillRow(s, dy, reach, c);
        if (dy == 0) continue;
        std::memcpy(s.At(0, s.h - dy), s.At(0, s.h + dy), static_cast<size_t>(s.rowBytes));
        s.spans[s.h - dy] = s.spans[s.h + dy];
    }
}

}  // namespace

GlowSprite MakeGlowSprite(int r, GlowLight centre, GlowLight outer) {
    if (r < 1 || r > kMaxGlowRadius) return nullptr;
    const int size = GlowSpriteSize(r);
    std::unique_ptr<uint8_t[]> pixels(new (std::nothrow) uint8_t[static_cast<size_t>(size) * size * 3]);
    std::unique_ptr<PixelSpan[]> spans(new (std::nothrow) PixelSpan[static_cast<size_t>(size)]);
    if (!pixels || !spans) return nullptr;
    if (r == 1) {
        StoreColour(pixels.get(), MakeColour(centre.red, centre.green, centre.blue));
        spans[0] = PixelSpan{0, 1};
    } else {
        const GlowColours colours{centre, outer};
        FillSprite(SpriteRows{pixels.get(), spans.get(), r - 1, size * 3}, colours);
    }
    return GlowSprite(std::move(pixels), std::move(spans));
}

void AddGlowSprite(const GlowSprite& sprite, int x, int y, int r) {
    if (!sprite) return;
    const int size = GlowSpriteSize(r);
    Canvas.AddImageSpans(x - r + 1, y - r + 1, size, size, sprite.get(), sprite.RowSpans());
}

void AddGlow(int x, int y, int r, float red, float green, float blue) {
    const GlowSprite sprite = MakeGlowSprite(r, {RoundColour(red), RoundColour(green), RoundColour(blue)});
    AddGlowSprite(sprite, x, y, r);
}

}  // namespace vorrith
