// Whole pictures: GenerateScene over the 256 image numbers of the reference checkpoints
// (every scene type, both skies, every layer choice), one pass per iteration.
#include <benchmark/benchmark.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "present/frame_buffers.h"
#include "scene/scene_driver.h"

namespace {

std::vector<int> ReferenceImageNumbers() {
    std::ifstream file(VORRITH_CHECKPOINTS_PATH);
    std::set<int> numbers;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        numbers.insert(std::stoi(line));
    }
    return {numbers.begin(), numbers.end()};
}

void BM_GenerateSceneReference256(benchmark::State& state) {
    const std::vector<int> numbers = ReferenceImageNumbers();
    if (numbers.empty()) {
        state.SkipWithError("no reference checkpoints found");
        return;
    }
    vorrith::CreateFrameBuffers(vorrith::kPictureWidth, vorrith::kPictureHeight, vorrith::kCanvasOnly);
    for (auto _ : state) {
        for (int n : numbers) {
            int imageNumber = n;
            vorrith::GenerateScene(imageNumber, nullptr);
            benchmark::DoNotOptimize(vorrith::Canvas.pixels);
        }
    }
    state.counters["pictures_per_s"] =
        benchmark::Counter(static_cast<double>(numbers.size()), benchmark::Counter::kIsIterationInvariantRate);
    vorrith::DestroyFrameBuffers();
}
BENCHMARK(BM_GenerateSceneReference256)->Unit(benchmark::kMillisecond);

}  // namespace
