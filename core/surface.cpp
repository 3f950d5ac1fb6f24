#include "core/surface.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "core/byte_row_kernels.h"
#include "core/fixed_point.h"
#include "core/simd.h"

#if defined(VORRITH_SSE2)
#include <emmintrin.h>
#endif

namespace vorrith {
namespace {

// alpha is a weight of 256.
uint8_t BlendTruncating(int dst, int src, int alpha) {
    return static_cast<uint8_t>(Fixed8::Floor(dst * (Fixed8::kOne - alpha) + src * alpha));
}

void BlendTruncatingAt(uint8_t* p, uint32_t colour, int alpha) {
    p[0] = BlendTruncating(p[0], BlueOf(colour), alpha);
    p[1] = BlendTruncating(p[1], GreenOf(colour), alpha);
    p[2] = BlendTruncating(p[2], RedOf(colour), alpha);
}

uint8_t SaturatingAdd(int a, int b) { return static_cast<uint8_t>(std::min(255, a + b)); }

// dst[i] = min(255, dst[i] + src[i]). With SSE2, sixteen bytes at a time; the ragged
// end of a run is one more vector over its last sixteen (or eight) bytes, summed from
// the bytes as they were before the run was touched, so overlapping bytes come out the
// same either way.
inline void AddBytesSaturating(uint8_t* dst, const uint8_t* src, int count) {
#if defined(VORRITH_SSE2)
    if (count >= 16) {
        const int last = count - 16;
        const __m128i lastSum = _mm_adds_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + last)),
                                              _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + last)));
        for (int i = 0; i < last; i += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_adds_epu8(a, b));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + last), lastSum);
        return;
    }
    if (count >= 8) {
        const int last = count - 8;
        const __m128i lastSum = _mm_adds_epu8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(dst + last)),
                                              _mm_loadl_epi64(reinterpret_cast<const __m128i*>(src + last)));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst),
                         _mm_adds_epu8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(dst)),
                                       _mm_loadl_epi64(reinterpret_cast<const __m128i*>(src))));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + last), lastSum);
        return;
    }
#endif
    for (int i = 0; i < count; ++i) dst[i] = SaturatingAdd(dst[i], src[i]);
}

// alphas[3i ... 3i + 2] = mask at position + i * step (21.11) for count pixels; position
// moves on past them. Four copies of each mask value are stored, the fourth overwritten by
// the next pixel's (alphas holds one byte more). Four pixels per turn of the loop.
void SpreadMask(uint8_t* alphas, int count, const uint8_t* mask, int& position, int step) {
    const auto spread = [&](int i) {
        const uint32_t m = mask[Fixed11::Floor(position)] * 0x01010101u;
        std::memcpy(alphas + 3 * i, &m, 4);
        position += step;
    };
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        spread(i);
        spread(i + 1);
        spread(i + 2);
        spread(i + 3);
    }
    for (; i < count; ++i) spread(i);
}

// The visible columns of a w-wide block placed at column x: first and last Surface
// column and the block column the first one reads. False when nothing is visible.
struct ColumnSpan {
    int first;
    int last;
    int sourceOffset;
};

bool ClipBlockColumns(int x, int w, int h, int surfaceWidth, ColumnSpan& span) {
    if (w < 1 || h < 1 || x + w - 1 < 0 || x >= surfaceWidth) return false;
    span.first = std::max(x, 0);
    span.last = std::min(x + w - 1, surfaceWidth - 1);
    span.sourceOffset = std::max(0, -x);
    return true;
}

// The widest row whose stride an int holds.
constexpr int kLargestWidth = (INT32_MAX - 3) / 3;

}  // namespace

Surface::Surface() : header{}, width(0), height(0), stride(0), pixels(nullptr) {}

Surface::~Surface() { Release(); }

AllocateResult Surface::Allocate(int newWidth, int newHeight) {
    if (pixels != nullptr) return kAlreadyAllocated;
    if (newWidth < 0 || newHeight < 0 || newWidth > kLargestWidth) return kInvalidSize;
    const int newStride = (newWidth * 3 + 3) & ~3;
    if (newHeight > 0 && newStride > INT32_MAX / newHeight) return kInvalidSize;
    width = newWidth;
    height = newHeight;
    stride = newStride;
    pixels = new (std::nothrow) uint8_t[static_cast<size_t>(stride) * height + 1];
    if (pixels == nullptr) return kOutOfMemory;
    std::memset(&header, 0, sizeof header);
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = kBiRgb;
    return kAllocated;
}

void Surface::Release() {
    delete[] pixels;
    pixels = nullptr;
}

bool Surface::PutPixelClipped(int x, int y, uint32_t colour) {
    if (!Contains(x, y)) return false;
    PutPixel(x, y, colour);
    return true;
}

void Surface::FillSpan(int x1, int x2, int y, uint32_t colour) {
    if (y < 0 || y >= height) return;
    if (x1 > x2) std::swap(x1, x2);
    if (x2 < 0 || x1 >= width) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width - 1);
    for (uint8_t* p = PixelAddress(x1, y); x1 <= x2; ++x1, p += 3) StoreColour(p, colour);
}

void Surface::BlendPixel(int x, int y, int alpha, uint32_t colour) {
    BlendTruncatingAt(PixelAddress(x, y), colour, alpha);
}

bool Surface::BlendPixelClipped(int x, int y, int alpha, uint32_t colour) {
    if (!Contains(x, y)) return false;
    if (alpha != 0) BlendTruncatingAt(PixelAddress(x, y), colour, alpha);
    return true;
}

void Surface::AddPixel(int x, int y, int red, int green, int blue) {
    if (!Contains(x, y)) return;
    uint8_t* p = PixelAddress(x, y);
    p[0] = SaturatingAdd(p[0], blue);
    p[1] = SaturatingAdd(p[1], green);
    p[2] = SaturatingAdd(p[2], red);
}

void Surface::ScaleSpan(int x1, int x2, int y, int factor) {
    ScaleBytes(PixelAddress(x1, y), 3 * (x2 - x1 + 1), factor);
}

void Surface::BlendMaskRow(int x, int y, int count, const uint8_t* mask, int maskLength, uint32_t colour) {
    if (count <= 0) return;
    // The mask position moves in 21.11 by a step that reaches the last entry at the last
    // pixel. A one-pixel run has no stretch; it takes the first mask entry.
    const int step = count == 1 ? 0 : Fixed11::Ratio(maskLength - 1, count - 1);
    // The stretched mask is spread over each pixel's three bytes, a chunk of the run at
    // a time, and blended as bytes. A mask value of 0 leaves the bytes as they are.
    constexpr int kChunkPixels = 640;
    uint8_t alphas[3 * kChunkPixels + 1];
    uint8_t* p = PixelAddress(x, y);
    int position = 0;
    for (int done = 0; done < count;) {
        const int chunk = std::min(kChunkPixels, count - done);
        SpreadMask(alphas, chunk, mask, position, step);
        BlendBytesRounded(p + 3 * done, alphas, 3 * chunk, colour);
        done += chunk;
    }
}

void Surface::BlendMask(int x, int y, int w, int h, const uint8_t* mask, uint32_t colour) {
    ColumnSpan span;
    if (!ClipBlockColumns(x, w, h, width, span)) return;
    for (int r = 0; r < h; ++r, mask += w) {
        const int row = y + r;
        if (row < 0 || row >= height) continue;
        const uint8_t* m = mask + span.sourceOffset;
        uint8_t* p = PixelAddress(span.first, row);
        for (int column = span.first; column <= span.last; ++column, ++m, p += 3) {
            if (*m != 0) BlendTruncatingAt(p, colour, *m);
        }
    }
}

void Surface::AddImage(int x, int y, int w, int h, const uint8_t* image) {
    ColumnSpan span;
    if (!ClipBlockColumns(x, w, h, width, span)) return;
    const int rowBytes = 3 * w;
    const int visibleBytes = 3 * (span.last - span.first + 1);
    for (int r = 0; r < h; ++r, image += rowBytes) {
        const int row = y + r;
        if (row < 0 || row >= height) continue;
        const uint8_t* source = image + 3 * span.sourceOffset;
        AddBytesSaturating(PixelAddress(span.first, row), source, visibleBytes);
    }
}

// Most sprites lie wholly inside the Surface; their rows need no clipping.
void Surface::AddImageSpans(int x, int y, int w, int h, const uint8_t* image, const PixelSpan* rowSpans) {
    if (x >= 0 && y >= 0 && x + w <= width && y + h <= height) {
        uint8_t* row = PixelAddress(x, y);
        for (int r = 0; r < h; ++r, row += stride, image += 3 * w) {
            const int first = 3 * rowSpans[r].first;
            AddBytesSaturating(row + first, image + first, 3 * rowSpans[r].count);
        }
        return;
    }
    const int firstRow = std::max(0, -y);
    const int endRow = std::min(h, height - y);
    for (int r = firstRow; r < endRow; ++r) {
        const PixelSpan& span = rowSpans[r];
        const int first = std::max(span.first, -x);  // image columns
        const int end = std::min(span.first + span.count, width - x);
        if (end <= first) continue;
        AddBytesSaturating(PixelAddress(x + first, y + r), image + 3 * (r * w + first), 3 * (end - first));
    }
}

}  // namespace vorrith
