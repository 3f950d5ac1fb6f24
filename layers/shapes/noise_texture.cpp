#include "layers/shapes/noise_texture.h"

#include <cstddef>
#include <vector>

#include "core/simd.h"

#if defined(VORRITH_SSE2)
#include <emmintrin.h>
#endif

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

namespace {

// Doubles source columns from ... to - 1 of one row pair; the last column wraps to column 0.
void UpsampleCells(const uint8_t* row, const uint8_t* below, int from, int to, int width, uint8_t* even, uint8_t* odd) {
    for (int x = from; x < to; ++x) {
        const int right = (x + 1 == width) ? 0 : x + 1;
        even[2 * x] = row[x];
        even[2 * x + 1] = MeanOf2(row[x], row[right]);
        odd[2 * x] = MeanOf2(row[x], below[x]);
        odd[2 * x + 1] = MeanOf4(row[x], row[right], below[x], below[right]);
    }
}

#if defined(VORRITH_SSE2)
// The four-cell mean in 16-bit lanes: the sum never exceeds 4 x 255 + 2, so the lanes
// give the same bytes.
__m128i MeanOf4Lanes(__m128i a, __m128i b, __m128i c, __m128i d) {
    const __m128i two = _mm_set1_epi16(2);
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(a, b), _mm_add_epi16(_mm_add_epi16(c, d), two)), 2);
}

// Sixteen source columns at a time, all with their right neighbour inside the row;
// returns the first column left for UpsampleCells. _mm_avg_epu8 is (a + b + 1) >> 1.
int UpsampleCellsWide(const uint8_t* row, const uint8_t* below, int width, uint8_t* even, uint8_t* odd) {
    const __m128i zero = _mm_setzero_si128();
    int x = 0;
    for (; x + 16 < width; x += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x + 1));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(below + x));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(below + x + 1));
        const __m128i across = _mm_avg_epu8(a, b);
        const __m128i down = _mm_avg_epu8(a, c);
        const __m128i low = MeanOf4Lanes(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero),
                                         _mm_unpacklo_epi8(c, zero), _mm_unpacklo_epi8(d, zero));
        const __m128i high = MeanOf4Lanes(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero),
                                          _mm_unpackhi_epi8(c, zero), _mm_unpackhi_epi8(d, zero));
        const __m128i middle = _mm_packus_epi16(low, high);
        __m128i* evenOut = reinterpret_cast<__m128i*>(even + 2 * x);
        __m128i* oddOut = reinterpret_cast<__m128i*>(odd + 2 * x);
        _mm_storeu_si128(evenOut, _mm_unpacklo_epi8(a, across));
        _mm_storeu_si128(evenOut + 1, _mm_unpackhi_epi8(a, across));
        _mm_storeu_si128(oddOut, _mm_unpacklo_epi8(down, middle));
        _mm_storeu_si128(oddOut + 1, _mm_unpackhi_epi8(down, middle));
    }
    return x;
}
#else
int UpsampleCellsWide(const uint8_t*, const uint8_t*, int, uint8_t*, uint8_t*) { return 0; }
#endif

}  // namespace

void UpsampleWrapped(const uint8_t* source, int width, int height, uint8_t* destination) {
    const int destinationStride = 2 * width;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = source + y * width;
        const uint8_t* below = source + ((y + 1) % height) * width;
        uint8_t* even = destination + 2 * y * destinationStride;
        uint8_t* odd = even + destinationStride;
        const int done = UpsampleCellsWide(row, below, width, even, odd);
        UpsampleCells(row, below, done, width, width, even, odd);
    }
}

}  // namespace vorrith
