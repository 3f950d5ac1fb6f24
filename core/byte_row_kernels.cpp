#include "core/byte_row_kernels.h"

#include <cstring>

#include "core/colour.h"
#include "core/simd.h"

#if defined(VORRITH_SSE2)
#include <emmintrin.h>
#endif

namespace vorrith {
namespace {

uint8_t ChannelOf(uint32_t colour, int byteIndex) { return static_cast<uint8_t>(colour >> (8 * (byteIndex % 3))); }

#if defined(VORRITH_SSE2)
// Scaling in 16-bit lanes: value * factor = value * 256 + value * (factor - 256), and
// the second product fits a signed lane while factor - 256 is within -128 ... 127; the
// floor shift of the whole then is value + ((value * (factor - 256) + 128) >> 8).
constexpr int kLaneFactorLow = 128;
constexpr int kLaneFactorHigh = 383;

__m128i ScaleLanes(__m128i values, __m128i excess) {
    const __m128i product = _mm_add_epi16(_mm_mullo_epi16(values, excess), _mm_set1_epi16(128));
    return _mm_add_epi16(values, _mm_srai_epi16(product, 8));
}

int ScaleVectors(uint8_t* bytes, int count, int factor) {
    if (factor < kLaneFactorLow || factor > kLaneFactorHigh) return 0;
    const __m128i excess = _mm_set1_epi16(static_cast<int16_t>(factor - 256));
    const __m128i zero = _mm_setzero_si128();
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        __m128i* at = reinterpret_cast<__m128i*>(bytes + i);
        const __m128i v = _mm_loadu_si128(at);
        const __m128i low = ScaleLanes(_mm_unpacklo_epi8(v, zero), excess);
        const __m128i high = ScaleLanes(_mm_unpackhi_epi8(v, zero), excess);
        _mm_storeu_si128(at, _mm_packus_epi16(low, high));  // saturates at 255
    }
    return i;
}

// dst * (256 - a) + src * a + 128 is at most 255 * 256 + 128: it fits an unsigned lane.
__m128i BlendLanes(__m128i dst, __m128i src, __m128i alpha) {
    const __m128i inverse = _mm_sub_epi16(_mm_set1_epi16(256), alpha);
    const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(dst, inverse), _mm_mullo_epi16(src, alpha));
    return _mm_srli_epi16(_mm_add_epi16(sum, _mm_set1_epi16(128)), 8);
}

int BlendVectors(uint8_t* bytes, const uint8_t* alphas, int count, uint32_t colour) {
    // Sixteen-byte blocks start at byte 0, 16 or 32 of a three-pixel-long cycle of 48.
    uint8_t pattern[48 + 1];
    const uint32_t pixel = colour & 0x00FFFFFF;
    for (int k = 0; k < 48; k += 3) std::memcpy(pattern + k, &pixel, 4);  // blue, green, red (little-endian)
    const __m128i zero = _mm_setzero_si128();
    int i = 0;
    for (int cycle = 0; i + 16 <= count; i += 16, cycle = cycle == 32 ? 0 : cycle + 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(alphas + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(a, zero)) == 0xFFFF) continue;  // alpha 0 keeps the bytes
        __m128i* at = reinterpret_cast<__m128i*>(bytes + i);
        const __m128i d = _mm_loadu_si128(at);
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pattern + cycle));
        const __m128i low =
            BlendLanes(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(a, zero));
        const __m128i high =
            BlendLanes(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(a, zero));
        _mm_storeu_si128(at, _mm_packus_epi16(low, high));
    }
    return i;
}
#else
int ScaleVectors(uint8_t*, int, int) { return 0; }
int BlendVectors(uint8_t*, const uint8_t*, int, uint32_t) { return 0; }
#endif

}  // namespace

void ScaleBytes(uint8_t* bytes, int count, int factor) {
    for (int i = ScaleVectors(bytes, count, factor); i < count; ++i) bytes[i] = ScaleByte(bytes[i], factor);
}

void BlendBytesRounded(uint8_t* bytes, const uint8_t* alphas, int count, uint32_t colour) {
    for (int i = BlendVectors(bytes, alphas, count, colour); i < count; ++i) {
        const int a = alphas[i];
        bytes[i] = static_cast<uint8_t>((bytes[i] * (256 - a) + ChannelOf(colour, i) * a + 128) >> 8);
    }
}

}  // namespace vorrith
