// Mouse movement after the grace period: a few pixels are absorbed, a real movement
// ends the full-screen saver.
#include "tests/e2e/window_driver.h"

using namespace vorrith::e2e;

E2E_SCENARIO(mouse_e2e) {
    Program saver;
    const HWND window = StartFullScreenSaver(saver);
    REQUIRE(window != nullptr);
    Pause(2000);  // past the 1.5 s grace period

    DWORD exitCode = 1;
    MoveMouseBy(window, 2, 0);
    MoveMouseBy(window, 0, 2);
    CHECK(!WaitForExit(saver, 700, exitCode));
    MoveMouseBy(window, 3, 3);
    CHECK(WaitForExit(saver, 10000, exitCode));
    CHECK(exitCode == 0);
    EndProgram(saver);
}
