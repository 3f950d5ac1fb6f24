#include "layers/bodies/noise_texture.h"

#include <cstddef>
#include <vector>

#include "core/random.h"

namespace vorrith {
namespace {

// Rounded-half-up means of two and four byte values.
inline uint8_t MeanOf2(int a, int b) { return static_cast<uint8_t>((a + b + 1) >> 1); }
inline uint8_t MeanOf4(int a, int b, int c, int d) { return static_cast<uint8_t>((a + b + c + d + 2) >> 2); }

}  // namespace

void FillNoiseBytes(uint8_t* buffer, int count) {
    for (int i = 0; i < count; ++i) buffer[i] = static_cast<uint8_t>(rand());
}

// Written in place row by row, left to right: the right, lower and lower-right cells a
// cell reads are still unwritten, except the wrapped ones in row 0 and column 0, which
// come from copies taken before the pass.
void SmoothWrapped(uint8_t* texture, int width, int height) {
    if (width < 1 || height < 1) return;
    const std::vector<uint8_t> firstRow(texture, texture + width);
    std::vector<uint8_t> firstColumn(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) firstColumn[y] = texture[y * width];

    const int lastX = width - 1;
    const int lastY = height - 1;
    for (int y = 0; y < lastY; ++y) {
        uint8_t* row = texture + y * width;
        const uint8_t* below = row + width;
        for (int x = 0; x < lastX; ++x) row[x] = MeanOf4(row[x], row[x + 1], below[x], below[x + 1]);
        row[lastX] = MeanOf4(row[lastX], firstColumn[y], below[lastX], firstColumn[y + 1]);
    }
    uint8_t* bottom = texture + lastY * width;
    for (int x = 0; x < lastX; ++x) bottom[x] = MeanOf4(bottom[x], bottom[x + 1], firstRow[x], firstRow[x + 1]);
    bottom[lastX] = MeanOf4(bottom[lastX], firstColumn[lastY], firstRow[lastX], firstRow[0]);
}

void UpsampleWrapped(const uint8_t* source, int width, int height, uint8_t* destination) {
    const int destinationStride = 2 * width;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = source + y * width;
        const uint8_t* below = source + ((y + 1) % height) * width;
        uint8_t* even = destination + 2 * y * destinationStride;
        uint8_t* odd = even + destinationStride;
        for (int x = 0; x < width; ++x) {
            const int right = (x + 1 == width) ? 0 : x + 1;
            even[2 * x] = row[x];
            even[2 * x + 1] = MeanOf2(row[x], row[right]);
            odd[2 * x] = MeanOf2(row[x], below[x]);
            odd[2 * x + 1] = MeanOf4(row[x], row[right], below[x], below[right]);
        }
    }
}

}  // namespace vorrith
