// Full-screen saver: one topmost window over the whole screen, pictures fading in,
// small mouse movements and battery reports absorbed, a second start only activating
// the first, and a key ending the process.
#include "tests/e2e/window_driver.h"

using namespace vorrith::e2e;

namespace {

constexpr char kSaverClass[] = "WindowsScreenSaverClass";
constexpr char kTitle[] = "Screen Saver";

bool StillRunning(Program& saver) {
    DWORD exitCode = 0;
    return !WaitForExit(saver, 0, exitCode);
}

}  // namespace

E2E_SCENARIO(fullscreen_e2e) {
    Program saver;
    const HWND window = StartFullScreenSaver(saver);
    REQUIRE(window != nullptr);

    const RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    CHECK(WaitUntilWindowCovers(window, area, 5000));
    CHECK((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);

    // The first picture fades in from black; a second later it is mid-fade.
    CHECK(WaitUntil([&] { return CountLitPixels(area) > 100; }, 15000));
    Pause(1000);
    CHECK(SaveScreenBmp("saver-fullscreen-midfade.bmp"));

    MoveMouseBy(window, 1, 1);
    MoveMouseBy(window, 1, 1);
    Pause(700);
    CHECK(StillRunning(saver));

    // Outside the Windows 9x family the auto-play query is not the saver's business.
    SendMessageA(window, RegisterWindowMessageA("QueryCancelAutoPlay"), 0, 0);
    Pause(300);
    CHECK(StillRunning(saver));

    // A laptop reports its battery's charge every few minutes; that is no reason to end.
    SendMessageA(window, WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0);
    Pause(300);
    CHECK(StillRunning(saver));

    Program second = StartSaver("/s");
    DWORD secondExit = 1;
    CHECK(WaitForExit(second, 10000, secondExit));
    CHECK(secondExit == 0);
    EndProgram(second);
    CHECK(CountWindows(kSaverClass, kTitle) == 1);

    DWORD exitCode = 1;
    CHECK(EndWithKey(saver, window, exitCode));
    CHECK(exitCode == 0);
    CHECK(CountWindows(kSaverClass, nullptr) == 0);
}
