// Glow sprites: small soft-edged colour blobs that sky objects add to the canvas.
//
// A sprite of radius r is (2r - 1) x (2r - 1) pixels of blue, green, red bytes, packed
// without row padding, rows top to bottom. Inside the disc the colour falls off with the
// square of the distance from the centre colour to the outer colour; pixels outside the
// disc are 0, so adding the sprite leaves them alone.
//
// MakeGlowSprite returns null when r < 1, when r exceeds kMaxGlowRadius (the fall-off
// arithmetic would overflow and the buffer size could wrap on a 32-bit target), or when
// memory is short; callers then skip the additions of that sprite and go on drawing.
// The sky layers stay far below the limit (a few hundred at most).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

#include "core/surface.h"

namespace vorrith {

// A sprite's pixels, and for each row the span of pixels that may be non-zero (the
// rest of the row is 0), so that adding it touches only those. Null when empty.
class GlowSprite {
public:
    GlowSprite() = default;
    GlowSprite(std::nullptr_t) {}  // implicit: "no sprite" reads like a null pointer
    GlowSprite(std::unique_ptr<uint8_t[]> pixels, std::unique_ptr<PixelSpan[]> rowSpans)
        : pixels_(std::move(pixels)),
          rowSpans_(std::move(rowSpans)) {}

    explicit operator bool() const { return pixels_ != nullptr; }
    uint8_t operator[](size_t i) const { return pixels_[i]; }
    const uint8_t* get() const { return pixels_.get(); }
    const PixelSpan* RowSpans() const { return rowSpans_.get(); }
    void reset() {
        pixels_.reset();
        rowSpans_.reset();
    }

private:
    std::unique_ptr<uint8_t[]> pixels_;
    std::unique_ptr<PixelSpan[]> rowSpans_;
};

constexpr int kMaxGlowRadius = 2048;

// The light of a glow, per channel; the low byte of each computed value is stored.
struct GlowLight {
    int red;
    int green;
    int blue;
};

// A sprite whose light falls off from `centre` to `outer` at the disc's edge.
GlowSprite MakeGlowSprite(int r, GlowLight centre, GlowLight outer = {0, 0, 0});

// Side of the sprite of radius r.
constexpr int GlowSpriteSize(int r) { return 2 * r - 1; }

// Adds a sprite of radius r (saturating) with its centre pixel at (x, y); clipped.
void AddGlowSprite(const GlowSprite& sprite, int x, int y, int r);

// Makes a sprite of the colours (rounded: + 0.5, truncated), adds it centred on (x, y)
// and frees it. Draws nothing when the sprite cannot be made.
void AddGlow(int x, int y, int r, float red, float green, float blue);

// value rounded to the nearest integer the way colours are: + 0.5, truncated.
inline int RoundColour(double value) { return static_cast<int>(value + 0.5); }

// A single-precision share of a colour component, rounded; the product is taken in
// double, where it is exact for the component values used.
inline int RoundShare(double value, float share) { return RoundColour(value * static_cast<double>(share)); }

}  // namespace vorrith
