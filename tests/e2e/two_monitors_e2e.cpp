// Full screen on two monitors side by side (tools/run-windows-tests.sh runs this scenario
// on a display where Wine sees 800 x 600 at 0,0 and 1024 x 768 right of it): the saver
// window covers both, the picture shows on each, and the mouse moved on the second
// monitor ends the saver.
// Leaves saver-two-monitors.bmp, the whole virtual screen mid-fade, in the build folder.
#include "tests/e2e/window_driver.h"

using namespace vorrith::e2e;

namespace {

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void CheckCoversEveryMonitor(HWND window, const std::vector<RECT>& monitors) {
    CHECK(WaitUntilWindowCovers(window, VirtualScreen(), 5000));
    for (const RECT& monitor : monitors) {
        const POINT centre = Centre(monitor);
        CHECK(WaitUntil([&] { return GetAncestor(WindowFromPoint(centre), GA_ROOT) == window; }, 5000));
        // The picture starts at native size, centred on each monitor.
        CHECK(WaitUntil([&] { return CountLitPixels(monitor) > 1000; }, 15000));
    }
}

}  // namespace

E2E_SCENARIO(two_monitors_e2e) {
    const std::vector<RECT> monitors = MonitorRects();
    REQUIRE(monitors.size() == 2);  // the run sets up this display; a single screen tests nothing
    const POINT onSecond = Centre(monitors[1]);
    MoveCursorTo(onSecond.x, onSecond.y);

    Program saver;
    const HWND window = StartFullScreenSaver(saver);
    REQUIRE(window != nullptr);
    const DWORD shownAt = GetTickCount();
    CheckCoversEveryMonitor(window, monitors);
    Pause(1000);  // mid-fade, the picture grown part of the way on each monitor
    CHECK(SaveScreenBmp("saver-two-monitors.bmp"));

    // Past the 1.5 s grace period the mouse ends the saver wherever it moves.
    const DWORD shown = GetTickCount() - shownAt;
    if (shown < 2000) Pause(2000 - shown);
    DWORD exitCode = 1;
    CHECK(!WaitForExit(saver, 0, exitCode));
    MoveCursorTo(onSecond.x + 40, onSecond.y + 20);
    CHECK(WaitForExit(saver, 10000, exitCode));
    CHECK(exitCode == 0);
    EndProgram(saver);
}
