// The resampler making a 3840 x 2160 wallpaper (fill, the smooth filter) and a contact
// sheet's 160 x 120 thumbnail from picture 12345, weights included, as the renderer
// makes them: a band of 256 rows at a time into one reused buffer.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "present/frame_buffers.h"
#include "present/picture_resampler.h"
#include "scene/scene_driver.h"

namespace {

using namespace vorrith;

void Resample(benchmark::State& state, PictureSize size, FitMode mode) {
    CreateFrameBuffers(kPictureWidth, kPictureHeight, kCanvasOnly);
    int imageNumber = 12345;
    GenerateScene(imageNumber, nullptr);
    constexpr int kBandRows = 256;
    const size_t stride = static_cast<size_t>(size.width) * 3;
    std::vector<uint8_t> band(stride * kBandRows);
    for (auto _ : state) {
        PictureResampler resampler(RowsOf(Canvas), size, mode, ScaleFilter::kSmooth);
        for (int top = 0; top < size.height; top += kBandRows) {
            resampler.MakeRows(top, std::min(kBandRows, size.height - top), band.data(), stride);
            benchmark::ClobberMemory();
        }
    }
    DestroyFrameBuffers();
}

void BM_Resample3840x2160Fill(benchmark::State& state) { Resample(state, {3840, 2160}, FitMode::kFill); }
BENCHMARK(BM_Resample3840x2160Fill)->Unit(benchmark::kMillisecond);

void BM_ResampleThumbnail160x120(benchmark::State& state) { Resample(state, {160, 120}, FitMode::kFit); }
BENCHMARK(BM_ResampleThumbnail160x120)->Unit(benchmark::kMicrosecond);

}  // namespace
