#include "present/cross_fade.h"

#include "present/cross_fade_kernels.h"
#include "present/frame_buffers.h"

namespace vorrith {

void CrossFadeBytesWithTables(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t count, int level) {
    uint32_t keep[256];
    uint32_t take[256];
    for (uint32_t v = 0; v < 256; ++v) {
        keep[v] = v * static_cast<uint32_t>(256 - level);
        take[v] = v * static_cast<uint32_t>(level);
    }
    for (size_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>((keep[from[i]] + take[to[i]]) >> 8);
}

namespace {

size_t CrossFadeBlocks(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t count, int level) {
#if defined(VORRITH_WIDE_CROSS_FADE)
    static const bool wide = WideCrossFadeAvailable();
    if (wide) return CrossFadeBlocksAvx2(from, to, out, count, level);
#endif
#if defined(VORRITH_SSE2)
    return CrossFadeBlocksSse2(from, to, out, count, level);
#else
    static_cast<void>(from), static_cast<void>(to), static_cast<void>(out), static_cast<void>(count),
        static_cast<void>(level);
    return 0;  // no vector kernel: the tables blend every byte
#endif
}

}  // namespace

void CrossFadeBytes(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t count, int level) {
    const size_t done = CrossFadeBlocks(from, to, out, count, level);
    CrossFadeBytesWithTables(from + done, to + done, out + done, count - done, level);
}

void CrossFade(int level) {
    const size_t bytes = static_cast<size_t>(Canvas.height) * Canvas.stride;
    CrossFadeBytes(Outgoing.pixels, Incoming.pixels, Canvas.pixels, bytes, level);
}

}  // namespace vorrith
