// Byte-row kernels behind the Surface's row primitives.
//
// Each works on a run of packed blue-green-red bytes starting at a pixel's blue byte and
// gives exactly the bytes of its per-channel formula; with SSE2 it does sixteen bytes
// at a time, the rest one at a time.
#pragma once

#include <cstdint>

namespace vorrith {

// bytes[i] = min(255, (bytes[i] * factor + 128) >> 8), stored as a byte.
void ScaleBytes(uint8_t* bytes, int count, int factor);

// bytes[i] = (bytes[i] * (256 - a) + c * a + 128) >> 8 with a = alphas[i] and c the
// colour's channel for byte i (blue, green, red, repeating).
void BlendBytesRounded(uint8_t* bytes, const uint8_t* alphas, int count, uint32_t colour);

}  // namespace vorrith
