#include "layers/bodies/warp_grid.h"

#include <cstddef>
#include <new>

#include "core/random.h"

namespace vorrith {
namespace {

constexpr int kCellUnits = 4096;   // 16 pixels in 1/256 pixel
constexpr int kCellPixels = 16;
constexpr int kLastSample = kCellPixels - 1;
// Interior points land 8.5 pixels before to about 1.86 pixels after their regular place.
constexpr int kDisplacementRange = 2652;
constexpr int kDisplacementBack = 2176;
constexpr int kLastPixelUnits = 256;

WarpPoint Between(const WarpPoint& from, const WarpPoint& to, int n) {
    return {from.x + ((to.x - from.x) * n) / kLastSample, from.y + ((to.y - from.y) * n) / kLastSample};
}

}  // namespace

WarpGrid::~WarpGrid() { delete[] points; }

int WarpGrid::Build(int columns, int rows) {
    delete[] points;
    cellsX = columns;
    cellsY = rows;
    points = new (std::nothrow) WarpPoint[static_cast<size_t>(rows + 1) * (columns + 1)];
    if (points == nullptr) return -1;
    for (int i = 0; i <= rows; ++i) {
        for (int j = 0; j <= columns; ++j) {
            const int xDraw = rand();
            const int yDraw = rand();
            WarpPoint& p = points[i * (columns + 1) + j];
            p.x = xDraw % kDisplacementRange + kCellUnits * j - kDisplacementBack;
            p.y = yDraw % kDisplacementRange + kCellUnits * i - kDisplacementBack;
            if (j == 0) p.x = 0;
            if (i == 0) p.y = 0;
            if (j == columns) p.x = kCellUnits * j - kLastPixelUnits;
            if (i == rows) p.y = kCellUnits * i - kLastPixelUnits;
        }
    }
    return 0;
}

// Each output row runs between points interpolated down the cell's left and right
// edges; positions are stepped in 1/65536 pixel so no pixel needs a division.
void WarpGrid::WarpCell(int column, int row, const uint8_t* source, int sourceStride, uint8_t* destination,
                        int destinationStride) const {
    const WarpPoint& p00 = PointAt(column, row);
    const WarpPoint& p10 = PointAt(column + 1, row);
    const WarpPoint& p01 = PointAt(column, row + 1);
    const WarpPoint& p11 = PointAt(column + 1, row + 1);
    uint8_t* block = destination + row * kCellPixels * destinationStride + column * kCellPixels;
    for (int n = 0; n < kCellPixels; ++n) {
        const WarpPoint left = Between(p00, p01, n);
        const WarpPoint right = Between(p10, p11, n);
        const int dx = ((right.x - left.x) * 256) / kLastSample;
        const int dy = ((right.y - left.y) * 256) / kLastSample;
        int x = left.x * 256;
        int y = left.y * 256;
        uint8_t* out = block + n * destinationStride;
        for (int m = 0; m < kCellPixels; ++m, x += dx, y += dy) out[m] = source[(y >> 16) * sourceStride + (x >> 16)];
    }
}

void WarpGrid::Warp(const uint8_t* source, int sourceStride, uint8_t* destination, int destinationStride) const {
    for (int row = 0; row < cellsY; ++row) {
        for (int column = 0; column < cellsX; ++column) {
            WarpCell(column, row, source, sourceStride, destination, destinationStride);
        }
    }
}

}  // namespace vorrith
