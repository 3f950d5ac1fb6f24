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
    std::memset(outgoing.pixels, 0x77, static_cast<size_t>(outgoing.stride) * outgoing.height);
    int level = 0;
    for (auto _ : state) {
        CrossFade(level);
        level = (level + 10) % 257;
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * canvas.stride * canvas.height);
    DestroyFrameBuffers();
}
BENCHMARK(BM_CrossFade)->Unit(benchmark::kMicrosecond);

#if defined(VORRITH_SSE2)
// The 128-bit kernel alone, as the Windows builds run it.
void BM_CrossFade128(benchmark::State& state) {
    CreateFrameBuffers(kPictureWidth, kPictureHeight, kCanvasAndFadeBuffers);
    const size_t bytes = static_cast<size_t>(canvas.stride) * canvas.height;
    int level = 0;
    for (auto _ : state) {
        CrossFadeBlocksSse2(outgoing.pixels, incoming.pixels, canvas.pixels, bytes, level);
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
    const size_t bytes = static_cast<size_t>(canvas.stride) * canvas.height;
    for (auto _ : state) {
        std::memcpy(canvas.pixels, incoming.pixels, bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
    DestroyFrameBuffers();
}
BENCHMARK(BM_MemcpyPicture)->Unit(benchmark::kMicrosecond);

}  // namespace
