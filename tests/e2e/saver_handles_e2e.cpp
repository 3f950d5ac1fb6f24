// The full-screen saver over time: a second saver started meanwhile ends at once while
// the first runs on, and, where the system counts them, its kernel handles stay flat
// from one sample to the next (a leak per frame or per picture shows within seconds). VORRITH_E2E_MINUTES
// makes the run that long, one sample a minute (tools/count-saver-handles.sh sets 10);
// by default two samples 5 s apart.
#include <cstdio>
#include <cstdlib>

#include "tests/e2e/window_driver.h"

using namespace vorrith::e2e;

namespace {

// The count through GetProcessHandleCount, looked up since older systems lack it.
DWORD KernelHandles(HANDLE process) {
    using Count = BOOL(WINAPI*)(HANDLE, PDWORD);
    static const auto count = reinterpret_cast<Count>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetProcessHandleCount")));
    DWORD handles = 0;
    return count != nullptr && count(process, &handles) ? handles : 0;
}

}  // namespace

E2E_SCENARIO(saver_handles_e2e) {
    const char* minutesText = std::getenv("VORRITH_E2E_MINUTES");
    const int minutes = minutesText != nullptr ? std::atoi(minutesText) : 0;
    const DWORD interval = minutes > 0 ? 60000 : 5000;
    const int samples = minutes > 0 ? minutes : 1;

    Program saver;
    const HWND window = StartFullScreenSaver(saver);
    REQUIRE(window != nullptr);
    Program second = StartSaver("/s");
    DWORD secondExit = 1;
    CHECK(WaitForExit(second, 10000, secondExit) && secondExit == 0);
    Pause(2000);  // past the first picture's start
    const DWORD first = KernelHandles(saver.process);
    // Wine 8 does not count a process's handles: there the samples are left out.
    if (first == 0) std::printf("kernel handles: not counted by this system\n");
    std::printf("kernel handles: %lu", static_cast<unsigned long>(first));
    for (int sample = 1; first > 0 && sample <= samples; ++sample) {
        Pause(interval);
        const DWORD now = KernelHandles(saver.process);
        std::printf(" %lu", static_cast<unsigned long>(now));
        CHECK(now <= first);
    }
    std::printf("\n");
    DWORD exitCode = 1;
    CHECK(EndWithKey(saver, window, exitCode));
}
