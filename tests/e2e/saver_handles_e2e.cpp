// The full-screen saver over time: a second saver started meanwhile ends at once while
// the first runs on, and its kernel handles and GDI objects, where the system counts
// them, stay flat from one sample to the next (a leak per frame or per picture shows
// within seconds). VORRITH_E2E_MINUTES makes the run that long, one sample a minute
// (tools/count-saver-handles.sh sets 10); by default two samples 5 s apart.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/e2e/process_resources.h"

using namespace vorrith::e2e;

namespace {

struct Samples {
    std::vector<DWORD> kernelHandles;
    std::vector<DWORD> gdiObjects;
};

void TakeSample(const Program& saver, Samples& samples) {
    samples.kernelHandles.push_back(KernelHandles(saver));
    samples.gdiObjects.push_back(GdiObjects(saver));
}

// Prints the counts and checks that none rose above the first; a count that was 0 at
// first is one this system does not keep, and is left out.
void CheckStaysFlat(const char* what, const std::vector<DWORD>& counts) {
    if (counts.front() == 0) {
        std::printf("%s: not counted by this system\n", what);
        return;
    }
    std::printf("%s:", what);
    for (const DWORD count : counts) std::printf(" %lu", static_cast<unsigned long>(count));
    std::printf("\n");
    for (const DWORD count : counts) CHECK(count <= counts.front());
}

}  // namespace

E2E_SCENARIO(saver_handles_e2e) {
    const char* minutesText = std::getenv("VORRITH_E2E_MINUTES");
    const int minutes = minutesText != nullptr ? std::atoi(minutesText) : 0;
    const DWORD interval = minutes > 0 ? 60000 : 5000;
    const int later = minutes > 0 ? minutes : 1;

    Program saver;
    const HWND window = StartFullScreenSaver(saver);
    REQUIRE(window != nullptr);
    Program second = StartSaver("/s");
    DWORD secondExit = 1;
    CHECK(WaitForExit(second, 10000, secondExit) && secondExit == 0);
    Pause(2000);  // past the first picture's start
    Samples samples;
    TakeSample(saver, samples);
    for (int sample = 1; sample <= later; ++sample) {
        Pause(interval);
        TakeSample(saver, samples);
    }
    CheckStaysFlat("kernel handles", samples.kernelHandles);
    CheckStaysFlat("GDI objects", samples.gdiObjects);
    DWORD exitCode = 1;
    CHECK(EndWithKey(saver, window, exitCode));
}
