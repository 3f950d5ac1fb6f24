#include "present/cross_fade_kernels.h"

#if defined(VORRITH_WIDE_CROSS_FADE)
#include <immintrin.h>

namespace vorrith {
namespace {

// The same exact blend as the 128-bit kernel, 32 bytes at a time: from plus the high byte
// of (to - from) * level, even bytes in the low halves of the 16-bit lanes, odd in the high.
__attribute__((target("avx2"))) inline __m256i BlendBlock(__m256i from, __m256i to, __m256i level, __m256i lowBytes) {
    const __m256i evenDelta = _mm256_sub_epi16(_mm256_and_si256(to, lowBytes), _mm256_and_si256(from, lowBytes));
    const __m256i oddDelta = _mm256_sub_epi16(_mm256_srli_epi16(to, 8), _mm256_srli_epi16(from, 8));
    const __m256i evenStep = _mm256_srli_epi16(_mm256_mullo_epi16(evenDelta, level), 8);
    const __m256i oddStep = _mm256_andnot_si256(lowBytes, _mm256_mullo_epi16(oddDelta, level));
    return _mm256_add_epi8(from, _mm256_or_si256(evenStep, oddStep));
}

__attribute__((target("avx2"))) inline __m256i Load(const uint8_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

__attribute__((target("avx2"))) inline void Store(uint8_t* p, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}

}  // namespace

bool WideCrossFadeAvailable() { return __builtin_cpu_supports("avx2"); }

__attribute__((target("avx2"))) size_t CrossFadeBlocksAvx2(const uint8_t* from, const uint8_t* to, uint8_t* out,
                                                           size_t count, int level) {
    const __m256i weight = _mm256_set1_epi16(static_cast<short>(level));
    const __m256i lowBytes = _mm256_set1_epi16(0x00FF);
    size_t i = 0;
    // Two blocks per pass keep both multipliers busy.
    for (; i + 64 <= count; i += 64) {
        const __m256i first = BlendBlock(Load(from + i), Load(to + i), weight, lowBytes);
        const __m256i second = BlendBlock(Load(from + i + 32), Load(to + i + 32), weight, lowBytes);
        Store(out + i, first);
        Store(out + i + 32, second);
    }
    for (; i + 32 <= count; i += 32) Store(out + i, BlendBlock(Load(from + i), Load(to + i), weight, lowBytes));
    return i;
}

}  // namespace vorrith
#endif
