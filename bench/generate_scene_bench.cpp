// Whole pictures: GenerateScene over a fixed spread of image numbers.
#include <benchmark/benchmark.h>

#include "core/scene_driver.h"
#include "present/frame_buffers.h"

namespace {

void BM_GenerateScene(benchmark::State& state) {
    vorrith::CreateFrameBuffers(vorrith::kPictureWidth, vorrith::kPictureHeight, 0);
    int next = 0;
    for (auto _ : state) {
        int imageNumber = (next * 2654435761u >> 17) & 32767;  // spread over all scene kinds
        ++next;
        vorrith::GenerateScene(nullptr, imageNumber, nullptr);
        benchmark::DoNotOptimize(vorrith::canvas.pixels);
    }
    vorrith::DestroyFrameBuffers();
}
BENCHMARK(BM_GenerateScene)->Unit(benchmark::kMillisecond);

}  // namespace
