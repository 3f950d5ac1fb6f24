#include "present/cross_fade_kernels.h"

#if defined(VORRITH_SSE2)
#include <emmintrin.h>

namespace vorrith {
namespace {

// (from * (256 - level) + to * level) >> 8 == from + floor((to - from) * level / 256), and
// the high byte of the 16-bit product (to - from) * level is that floor modulo 256 even
// when the product wraps, so a byte-wise add of it to from gives the blend exactly.
// Even bytes are blended in the low halves of the 16-bit lanes, odd bytes in the high.
inline __m128i BlendBlock(__m128i from, __m128i to, __m128i level, __m128i lowBytes) {
    const __m128i evenDelta = _mm_sub_epi16(_mm_and_si128(to, lowBytes), _mm_and_si128(from, lowBytes));
    const __m128i oddDelta = _mm_sub_epi16(_mm_srli_epi16(to, 8), _mm_srli_epi16(from, 8));
    const __m128i evenStep = _mm_srli_epi16(_mm_mullo_epi16(evenDelta, level), 8);
    const __m128i oddStep = _mm_andnot_si128(lowBytes, _mm_mullo_epi16(oddDelta, level));
    return _mm_add_epi8(from, _mm_or_si128(evenStep, oddStep));
}

__m128i Load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

}  // namespace

size_t CrossFadeBlocksSse2(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t count, int level) {
    const __m128i weight = _mm_set1_epi16(static_cast<short>(level));
    const __m128i lowBytes = _mm_set1_epi16(0x00FF);
    size_t i = 0;
    // Two blocks per pass keep both multipliers busy.
    for (; i + 32 <= count; i += 32) {
        const __m128i first = BlendBlock(Load(from + i), Load(to + i), weight, lowBytes);
        const __m128i second = BlendBlock(Load(from + i + 16), Load(to + i + 16), weight, lowBytes);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), first);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 16), second);
    }
    for (; i + 16 <= count; i += 16) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         BlendBlock(Load(from + i), Load(to + i), weight, lowBytes));
    }
    return i;
}

}  // namespace vorrith
#endif
