#include "layers/ground/relief_map.h"

#include <algorithm>

#include "layers/ground/stretch_levels.h"
#include "layers/shapes/noise_texture.h"

namespace vorrith {
namespace {

constexpr int kSize = ReliefMap::kSize;
constexpr int kStride = ReliefMap::kStride;

// Copies the square map with its first row and column repeated after the last.
void StoreWrapped(const uint8_t* square, uint8_t* heights) {
    for (int row = 0; row <= kSize; ++row) {
        const uint8_t* source = square + (row % kSize) * kSize;
        std::copy(source, source + kSize, heights + row * kStride);
        heights[row * kStride + kSize] = source[0];
    }
}

}  // namespace

void BuildReliefMap(ReliefMap& map) {
    uint8_t square[kSize * kSize];
    FillNoiseBytes(square, kSize * kSize);
    for (int pass = 0; pass < 15; ++pass) SmoothWrapped(square, kSize, kSize);
    StretchLevels(square, kSize * kSize, 0, 255);
    StoreWrapped(square, map.heights);
}

}  // namespace vorrith
