// The display-mode switch on a display that can make it (tools/run-windows-tests.sh runs
// this scenario on a 1024 x 768 screen whose modes include 640 x 480 and 800 x 600): the
// full-screen saver switches the screen to 640 x 480 and covers it, follows another
// program's change of resolution while it runs (WM_DISPLAYCHANGE), and gives the desktop
// its own mode back when it ends.
#include "tests/e2e/window_driver.h"

using namespace vorrith::e2e;

namespace {

// The primary monitor's size. Wine 8 answers EnumDisplaySettings(ENUM_CURRENT_SETTINGS)
// with the last mode this process set, whatever another process did since.
SIZE PrimaryScreen() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

bool WaitForScreen(LONG width, LONG height) {
    return WaitUntil(
        [&] {
            const SIZE screen = PrimaryScreen();
            return screen.cx == width && screen.cy == height;
        },
        5000);
}

// As the display settings make it: for now, not stored as the desktop's mode.
bool ChangeResolution(DWORD width, DWORD height) {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    return ChangeDisplaySettingsA(&mode, 0) == DISP_CHANGE_SUCCESSFUL;
}

}  // namespace

E2E_SCENARIO(display_mode_switch_e2e) {
    const SIZE desktop = PrimaryScreen();
    REQUIRE(desktop.cx > 800 && desktop.cy > 600);  // the run's display; from 640 x 480 nothing switches

    Program saver;
    const HWND window = StartFullScreenSaver(saver);
    REQUIRE(window != nullptr);
    CHECK(WaitForScreen(640, 480));
    CHECK(WaitUntilWindowCovers(window, {0, 0, 640, 480}, 5000));
    CHECK(WaitUntil([] { return CountLitPixels({0, 0, 640, 480}) > 100; }, 15000));

    // Only WM_DISPLAYCHANGE tells the saver of a change it did not make itself.
    CHECK(ChangeResolution(800, 600));
    CHECK(WaitUntilWindowCovers(window, {0, 0, 800, 600}, 5000));

    DWORD exitCode = 1;
    CHECK(!WaitForExit(saver, 0, exitCode));  // no change of mode ends the saver
    CHECK(EndWithKey(saver, window, exitCode));
    CHECK(exitCode == 0);
    CHECK(WaitForScreen(desktop.cx, desktop.cy));
}
