// One cross-fade frame against a plain copy of the same 921,600 bytes.
#include <benchmark/benchmark.h>

#include <cstring>

#include "present/cross_fade.h"
#include "present/cross_fade_kernels.h"
#include "present/frame_buffers.h"

namespace {

using namespace vorrith;

void BM_CrossFade(benchmark::State& state) {
    CreateFrameBuffers(kPictureWidth, kPictureHeight, kCanvasAndFadeBuffers);
    std::memset(Outgoing.pixels, 0x77, static_cast<size_t>(Outgoing.stride) * Outgoing.height);
    int level = 0;
    for (auto _ : state) {
        CrossFade(level);
        level = (level + 10) % 257;
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * Canvas.stride * Canvas.height);
    DestroyFrameBuffers();
}
BENCHMARK(BM_CrossFade)->Unit(benchmark::kMicrosecond);

#if defined(VORRITH_SSE2)
// The 128-bit kernel alone, as the Windows builds run it.
void BM_CrossFade128(benchmark::State& state) {
    CreateFrameBuffers(kPictureWidth, kPictureHeight, kCanvasAndFadeBuffers);
    const size_t bytes = static_cast<size_t>(Canvas.stride) * Canvas.height;
    int level = 0;
    for (auto _ : state) {
        CrossFadeBlocksSse2(Outgoing.pixels, Incoming.pixels, Canvas.pixels, bytes, level);
        level = (level + 10) % 257;
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
    DestroyFrameBuffers();
}
BENCHMARK(BM_CrossFade128)->Unit(benchmark::kMicrosecond);
#endif

void BM_MemcpyPicture(benchmark::State& state) {
    CreateFrameBuffers(kPictureWidth, kPictureHeight, kCanvasAndFadeBuffers);
    const size_t bytes = static_cast<size_t>(Canvas.stride) * Canvas.height;
    for (auto _ : state) {
        std::memcpy(Canvas.pixels, Incoming.pixels, bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
    DestroyFrameBuffers();
}
BENCHMARK(BM_MemcpyPicture)->Unit(benchmark::kMicrosecond);

}  // namespace
