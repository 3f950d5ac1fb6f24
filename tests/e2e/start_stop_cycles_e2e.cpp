// Start and stop, many times: full-screen starts ended by a key, and previews ended by
// closing their parent. Every cycle must end within a generous bound (a hang, not a
// speed limit) and leave no saver window behind; the process having exited, none of its
// threads is left either. VORRITH_E2E_CYCLES sets the count (default 3).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/e2e/window_driver.h"

using namespace vorrith::e2e;

namespace {

constexpr char kSaverClass[] = "WindowsScreenSaverClass";
constexpr DWORD kEndBoundMs = 10000;

int CycleCount() {
    const char* text = std::getenv("VORRITH_E2E_CYCLES");
    const int count = text != nullptr ? std::atoi(text) : 0;
    return count > 0 ? count : 3;
}

bool EndsCleanly(Program& saver) {
    DWORD exitCode = 1;
    const bool ended = WaitForExit(saver, kEndBoundMs, exitCode);
    EndProgram(saver);
    return ended && exitCode == 0 && CountWindows(kSaverClass, nullptr) == 0;
}

bool FullScreenCycle() {
    Program saver = StartSaver("/s");
    if (saver.process == nullptr) return false;
    const HWND window = WaitForWindow(kSaverClass, "Screen Saver", kEndBoundMs);
    if (window == nullptr) {
        EndProgram(saver);
        return false;
    }
    Pause(300);  // let the render thread get going
    PostKey(window, VK_SPACE);
    return EndsCleanly(saver);
}

HWND CreateParent() {
    WNDCLASSA parentClass{};
    parentClass.lpfnWndProc = DefWindowProcA;
    parentClass.hInstance = GetModuleHandleA(nullptr);
    parentClass.lpszClassName = "VorrithCycleParent";
    RegisterClassA(&parentClass);  // fails harmlessly after the first cycle
    return CreateWindowExA(0, "VorrithCycleParent", "Preview parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200,
                           160, nullptr, nullptr, parentClass.hInstance, nullptr);
}

bool PreviewCycle() {
    const HWND parent = CreateParent();
    if (parent == nullptr) return false;
    Program saver = StartSaver("/p " + std::to_string(reinterpret_cast<uintptr_t>(parent)));
    const bool shown =
        saver.process != nullptr && WaitForChildWindow(parent, kSaverClass, "Preview", kEndBoundMs) != nullptr;
    Pause(300);
    DestroyWindow(parent);
    if (!shown) {
        EndProgram(saver);
        return false;
    }
    return EndsCleanly(saver);
}

}  // namespace

E2E_SCENARIO(start_stop_cycles_e2e) {
    const int cycles = CycleCount();
    int fullScreenFailures = 0;
    int previewFailures = 0;
    for (int i = 0; i < cycles; ++i) {
        if (!FullScreenCycle()) ++fullScreenFailures;
        if (!PreviewCycle()) ++previewFailures;
    }
    std::printf("%d full-screen and %d preview cycles: %d and %d failed\n", cycles, cycles, fullScreenFailures,
                previewFailures);
    CHECK(fullScreenFailures == 0);
    CHECK(previewFailures == 0);
}
