#include "layers/bodies/cloud_texture.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <new>

#include "core/random.h"
#include "layers/shapes/noise_texture.h"

namespace vorrith {
namespace {

// The octave buffers, coarsest first: 32 x 16 doubling up to 512 x 256.
constexpr int kOctaveLevels = 5;
constexpr int kCoarsestWidth = 32;
constexpr int kCoarsestHeight = 16;

struct OctaveBuffers {
    std::unique_ptr<uint8_t[]> level[kOctaveLevels];

    bool Allocate() {
        for (int i = 0; i < kOctaveLevels; ++i) {
            const int bytes = (kCoarsestWidth << i) * (kCoarsestHeight << i);
            level[i].reset(new (std::nothrow) uint8_t[bytes]);
            if (!level[i]) return false;
        }
        return true;
    }
    uint8_t* operator[](int i) { return level[i].get(); }
};

// Fills the coarsest buffer with rand() mod range and doubles it up to level `top`.
void MakeOctave(OctaveBuffers& b, int range, int top) {
    const int count = kCoarsestWidth * kCoarsestHeight;
    for (int i = 0; i < count; ++i) b[0][i] = static_cast<uint8_t>(rand() % range);
    for (int i = 0; i < top; ++i) UpsampleWrapped(b[i], kCoarsestWidth << i, kCoarsestHeight << i, b[i + 1]);
}

// The curve's threshold and steepness: two draws.
void DrawToneCurve(uint8_t curve[256]) {
    const int thresholdDraw = rand();
    const int kDraw = rand();
    BuildToneCurve(thresholdDraw % 70 + 90, kDraw % 70, curve);
}

// Eight bytes per pass, so the loop's own count and test are paid once per eight.
void ApplyToneCurve(uint8_t* texture, int count, const uint8_t curve[256]) {
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        for (int k = 0; k < 8; ++k) texture[i + k] = curve[texture[i + k]];
    }
    for (; i < count; ++i) texture[i] = curve[texture[i]];
}

}  // namespace

void AddTiled(uint8_t* destination, int width, int height, const uint8_t* source, int tileWidth, int tileHeight) {
    if (tileWidth < 1 || tileHeight < 1) return;
    for (int y = 0; y < height; ++y) {
        const uint8_t* tileRow = source + (y % tileHeight) * tileWidth;
        uint8_t* row = destination + y * width;
        // Tile by tile rather than a remainder per byte, so the adds run as wide ones.
        for (int x = 0; x < width; x += tileWidth) {
            const int count = std::min(tileWidth, width - x);
            for (int i = 0; i < count; ++i) row[x + i] = static_cast<uint8_t>(row[x + i] + tileRow[i]);
        }
    }
}

void BuildToneCurve(int threshold, int k, uint8_t curve[256]) {
    const double base = k * static_cast<double>(0.01f) + static_cast<double>(0.1f);
    const double half = (255 - threshold) * static_cast<double>(0.5f);
    for (int i = 0; i < 256; ++i) {
        if (i < threshold) {
            curve[i] = 0;
        } else {
            curve[i] = static_cast<uint8_t>((1.0 - std::pow(base, (i - threshold) / half)) * 255.0 + 0.5);
        }
    }
}

// Octave 1 at full scale plus octaves 2, 3 and 4 tiled 2 x 2, 4 x 4 and 8 x 8 times:
// values 0 ... 135 + 67 + 33 + 16 = 251 before the tone curve.
std::unique_ptr<uint8_t[]> MakeCloudTexture() {
    OctaveBuffers b;
    if (!b.Allocate()) return nullptr;
    MakeOctave(b, 136, 3);
    MakeOctave(b, 68, 2);
    MakeOctave(b, 34, 1);
    MakeOctave(b, 17, 0);
    for (int i = 0; i < 3; ++i) {
        AddTiled(b[i + 1], kCoarsestWidth << (i + 1), kCoarsestHeight << (i + 1), b[i], kCoarsestWidth << i,
                 kCoarsestHeight << i);
    }
    UpsampleWrapped(b[3], 256, 128, b[4]);
    uint8_t curve[256];
    DrawToneCurve(curve);
    uint8_t* texture = b[4];
    ApplyToneCurve(texture, kCloudTextureWidth * kCloudTextureHeight, curve);
    return std::move(b.level[4]);
}

}  // namespace vorrith
