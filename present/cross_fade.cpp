#include "present/cross_fade.h"

#include <cstddef>
#include <cstdint>

#include "present/frame_buffers.h"

namespace vorrith {

void CrossFade(int level) {
    uint32_t keep[256];
    uint32_t take[256];
    for (uint32_t v = 0; v < 256; ++v) {
        keep[v] = v * static_cast<uint32_t>(256 - level);
        take[v] = v * static_cast<uint32_t>(level);
    }
    const size_t bytes = static_cast<size_t>(canvas.height) * canvas.stride;
    const uint8_t* from = outgoing.pixels;
    const uint8_t* to = incoming.pixels;
    uint8_t* out = canvas.pixels;
    for (size_t i = 0; i < bytes; ++i) out[i] = static_cast<uint8_t>((keep[from[i]] + take[to[i]]) >> 8);
}

}  // namespace vorrith
