#include "layers/bodies/warp_grid.h"

#include <cstddef>
#include <new>

#include "core/fixed_point.h"
#include "core/simd.h"

#if defined(VORRITH_SSE2)
#include <emmintrin.h>
#endif

#include "core/random.h"

namespace vorrith {
namespace {

// Grid points are in 24.8 (1/256 pixel); samples are stepped in 16.16.
constexpr int kCellPixels = 16;
constexpr int kCellUnits = Fixed8::From(kCellPixels);
constexpr int kLastSample = kCellPixels - 1;
// Interior points land 8.5 pixels before to about 1.86 pixels after their regular place.
constexpr int kDisplacementRange = 2652;
constexpr int kDisplacementBack = 2176;
constexpr int kLastPixelUnits = Fixed8::From(1);
constexpr int kLargestLaneValue = 32767;
constexpr int kLargestLanePoint = Fixed8::From(kLargestLaneValue);

WarpPoint Between(const WarpPoint& from, const WarpPoint& to, int n) {
    return {from.x + ((to.x - from.x) * n) / kLastSample, from.y + ((to.y - from.y) * n) / kLastSample};
}

// One output row of a cell: sixteen nearest pixels from (x, y) on by (dx, dy), in 16.16.
void SampleRow(int x, int y, int dx, int dy, const uint8_t* source, int stride, uint8_t* out) {
    for (int m = 0; m < kCellPixels; ++m, x += dx, y += dy) {
        out[m] = source[Fixed16::Floor(y) * stride + Fixed16::Floor(x)];
    }
}

#if defined(VORRITH_SSE2)
// The same row with the sample offsets formed four at a time. The caller makes sure
// every pixel coordinate and the stride fit 16-bit lanes (0 ... 32767): a coordinate
// pair then packs into one 32-bit lane and _mm_madd_epi16 gives column + row * stride.
void SampleRowWide(int x, int y, int dx, int dy, const uint8_t* source, int stride, uint8_t* out) {
    alignas(16) uint32_t offsets[kCellPixels];  // never negative: unsigned indexes need no widening
    __m128i xs = _mm_setr_epi32(x, x + dx, x + 2 * dx, x + 3 * dx);
    __m128i ys = _mm_setr_epi32(y, y + dy, y + 2 * dy, y + 3 * dy);
    const __m128i xStep = _mm_set1_epi32(4 * dx);
    const __m128i yStep = _mm_set1_epi32(4 * dy);
    const __m128i weights = _mm_set1_epi32((stride << 16) | 1);
    for (int m = 0; m < kCellPixels; m += 4) {
        const __m128i pairs =
            _mm_or_si128(_mm_srai_epi32(xs, Fixed16::kShift), _mm_slli_epi32(_mm_srai_epi32(ys, Fixed16::kShift), 16));
        _mm_store_si128(reinterpret_cast<__m128i*>(offsets + m), _mm_madd_epi16(pairs, weights));
        xs = _mm_add_epi32(xs, xStep);
        ys = _mm_add_epi32(ys, yStep);
    }
    for (int m = 0; m < kCellPixels; ++m) out[m] = source[offsets[m]];
}
#else
void SampleRowWide(int x, int y, int dx, int dy, const uint8_t* source, int stride, uint8_t* out) {
    SampleRow(x, y, dx, dy, source, stride, out);
}
#endif

}  // namespace

WarpGrid::~WarpGrid() { delete[] points; }

bool WarpGrid::Build(int columns, int rows) {
    delete[] points;
    cellsX = columns;
    cellsY = rows;
    points = new (std::nothrow) WarpPoint[static_cast<size_t>(rows + 1) * (columns + 1)];
    if (points == nullptr) return false;
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
    return true;
}

// Each output row runs between points interpolated down the cell's left and right
// edges; positions are stepped in 16.16 so no pixel needs a division.
void WarpGrid::WarpCell(int column, int row, const uint8_t* source, int sourceStride, uint8_t* destination,
                        int destinationStride, bool wide) const {
    const WarpPoint& p00 = PointAt(column, row);
    const WarpPoint& p10 = PointAt(column + 1, row);
    const WarpPoint& p01 = PointAt(column, row + 1);
    const WarpPoint& p11 = PointAt(column + 1, row + 1);
    uint8_t* block = destination + row * kCellPixels * destinationStride + column * kCellPixels;
    for (int n = 0; n < kCellPixels; ++n) {
        const WarpPoint left = Between(p00, p01, n);
        const WarpPoint right = Between(p10, p11, n);
        const int dx = Fixed16::FromFixed<Fixed8>(right.x - left.x) / kLastSample;
        const int dy = Fixed16::FromFixed<Fixed8>(right.y - left.y) / kLastSample;
        const int x = Fixed16::FromFixed<Fixed8>(left.x);
        const int y = Fixed16::FromFixed<Fixed8>(left.y);
        uint8_t* out = block + n * destinationStride;
        if (wide) {
            SampleRowWide(x, y, dx, dy, source, sourceStride, out);
        } else {
            SampleRow(x, y, dx, dy, source, sourceStride, out);
        }
    }
}

// The wide sampling needs every pixel coordinate in 0 ... 32767: samples lie between
// the grid's points, so points in 0 ... 32767 pixels (and a stride in range) suffice.
bool WarpGrid::FitsLanes(int sourceStride) const {
    if (sourceStride < 0 || sourceStride > kLargestLaneValue) return false;
    const int count = (cellsX + 1) * (cellsY + 1);
    for (int i = 0; i < count; ++i) {
        const WarpPoint& p = points[i];
        if (p.x < 0 || p.y < 0 || p.x > kLargestLanePoint || p.y > kLargestLanePoint) return false;
    }
    return true;
}

void WarpGrid::Warp(const uint8_t* source, int sourceStride, uint8_t* destination, int destinationStride) const {
    const bool wide = FitsLanes(sourceStride);
    for (int row = 0; row < cellsY; ++row) {
        for (int column = 0; column < cellsX; ++column) {
            WarpCell(column, row, source, sourceStride, destination, destinationStride, wide);
        }
    }
}

}  // namespace vorrith
