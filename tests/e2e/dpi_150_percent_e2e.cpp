// At 150 % (tools/run-windows-tests.sh runs this scenario in a Wine prefix whose DPI is
// 144, on a 2000 x 800 screen): the configuration dialog shows picture 12345 at
// 960 x 720, each picture pixel 1.5 screen pixels, with its control row, the wallpaper
// button and the display-mode box scaled below; the full-screen saver covers the real
// pixels of the wide screen, its picture centred there and grown to the largest 4:3
// rectangle, black beside it.
// Leaves config-dialog-150-percent.bmp and saver-150-percent.bmp in the build folder.
#include "tests/e2e/config_dialog_support.h"

using namespace vorrith::e2e;

namespace {

constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 480;
constexpr int kScaledWidth = 960;
constexpr int kScaledHeight = 720;
// Picture rows above the control row, and those rows scaled.
constexpr int kRowsAboveControls = 400;
constexpr int kScaledRowsAboveControls = 600;

void CheckScaledLayout(HWND dialog) {
    const RECT client = ClientRect(dialog);
    CHECK(client.right == kScaledWidth && client.bottom == kScaledHeight);
    CheckRowEnd(dialog, kScaledRowsAboveControls);
}

// Every second picture pixel lands on every third screen pixel, whatever the rounding
// between them.
void CheckPictureScaled(HWND dialog) {
    CHECK(DrawAndWaitForTitle(dialog, IDC_DRAW, 12345) == "Image 12345 - Vorrith 1.80");
    const std::vector<BYTE> picture =
        BmpTopRows(ReadWholeFile(ReferenceBmpName(12345)), kPictureWidth, kPictureHeight, kRowsAboveControls);
    REQUIRE(!picture.empty());
    const auto matches = [&] {
        const std::vector<BYTE> shown = CaptureClientRows(dialog, kScaledWidth, kScaledRowsAboveControls);
        for (int y = 0; y < kRowsAboveControls; y += 2) {
            for (int x = 0; x < kPictureWidth; x += 2) {
                const BYTE* want = &picture[(static_cast<size_t>(y) * kPictureWidth + x) * 3];
                const BYTE* got = &shown[(static_cast<size_t>(y) * 3 / 2 * kScaledWidth + x * 3 / 2) * 3];
                if (want[0] != got[0] || want[1] != got[1] || want[2] != got[2]) return false;
            }
        }
        return true;
    };
    CHECK(WaitUntil(matches, 10000));
    CHECK(SaveScreenBmp("config-dialog-150-percent.bmp"));
}

void CheckSaverOnRealPixels() {
    Program saver;
    const HWND window = StartFullScreenSaver(saver);
    REQUIRE(window != nullptr);
    const RECT screen = VirtualScreen();
    CHECK(WaitUntilWindowCovers(window, screen, 5000));
    // The lower right quarter of the native-size picture centred on the screen: ground,
    // lit in every picture; a saver drawing in scaled-down units would leave it black.
    const LONG cx = (screen.left + screen.right) / 2;
    const LONG cy = (screen.top + screen.bottom) / 2;
    const RECT lowerRight{cx, cy, cx + kPictureWidth / 2, cy + kPictureHeight / 2};
    CHECK(WaitUntil([&] { return CountLitPixels(lowerRight) > 10000; }, 15000));
    // By the end of the first fade the picture has grown to the screen's largest centred
    // 4:3 rectangle: it reaches that rectangle's sides and no further.
    const LONG areaWidth = (screen.bottom - screen.top) * 4 / 3;
    const LONG areaLeft = screen.left + (screen.right - screen.left - areaWidth) / 2;
    const LONG areaRight = areaLeft + areaWidth;
    CHECK(WaitUntil([&] { return CountLitPixels({areaLeft, cy, areaLeft + 4, screen.bottom}) > 0; }, 10000));
    CHECK(CountLitPixels({areaRight - 4, cy, areaRight, screen.bottom}) > 0);
    CHECK(CountLitPixels({screen.left, screen.top, areaLeft, screen.bottom}) == 0);
    CHECK(CountLitPixels({areaRight, screen.top, screen.right, screen.bottom}) == 0);
    CHECK(SaveScreenBmp("saver-150-percent.bmp"));
    DWORD exitCode = 1;
    CHECK(EndWithKey(saver, window, exitCode));
}

}  // namespace

E2E_SCENARIO(dpi_150_percent_e2e) {
    REQUIRE(ScreenDpi() == 144);  // the run sets this prefix's DPI; at 96 this tests nothing
    ConfigDialog dialog = OpenConfigDialog();
    REQUIRE(dialog.window != nullptr);
    CheckScaledLayout(dialog.window);
    CheckPictureScaled(dialog.window);
    CloseConfigDialog(dialog);
    CheckSaverOnRealPixels();
}
