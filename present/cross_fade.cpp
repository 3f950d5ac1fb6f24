#include "present/cross_fade.h"

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "present/frame_buffers.h"

namespace vorrith {
namespace {

// The reference form: two 256-entry product tables, one look-up each per byte.
void CrossFadeBytesWithTables(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t count, int level) {
    uint32_t keep[256];
    uint32_t take[256];
    for (uint32_t v = 0; v < 256; ++v) {
        keep[v] = v * static_cast<uint32_t>(256 - level);
        take[v] = v * static_cast<uint32_t>(level);
    }
    for (size_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>((keep[from[i]] + take[to[i]]) >> 8);
}

#if defined(__SSE2__)
// Sixteen bytes at a time in 16-bit lanes. The sum never exceeds 255 * 256 = 65280, so
// unsigned 16-bit arithmetic gives exactly the table form's result.
size_t CrossFadeBytesSse2(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t count, int level) {
    const __m128i keepWeight = _mm_set1_epi16(static_cast<short>(256 - level));
    const __m128i takeWeight = _mm_set1_epi16(static_cast<short>(level));
    const __m128i zero = _mm_setzero_si128();
    size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(to + i));
        const __m128i low = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(a, zero), keepWeight),
                                                         _mm_mullo_epi16(_mm_unpacklo_epi8(b, zero), takeWeight)),
                                           8);
        const __m128i high = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(a, zero), keepWeight),
                                                          _mm_mullo_epi16(_mm_unpackhi_epi8(b, zero), takeWeight)),
                                            8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, high));
    }
    return i;
}
#endif

}  // namespace

void CrossFadeBytes(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t count, int level) {
    size_t done = 0;
#if defined(__SSE2__)
    done = CrossFadeBytesSse2(from, to, out, count, level);
#endif
    CrossFadeBytesWithTables(from + done, to + done, out + done, count - done, level);
}

void CrossFade(int level) {
    const size_t bytes = static_cast<size_t>(canvas.height) * canvas.stride;
    CrossFadeBytes(outgoing.pixels, incoming.pixels, canvas.pixels, bytes, level);
}

}  // namespace vorrith
