// At 150 % on a 1366 x 768 screen (tools/run-windows-tests.sh runs this scenario in the
// 150 % Wine prefix on a display of that size): the whole dialog, its control row and
// check box included, fits the work area, the picture shrunk where it must be (under a
// taskbar; Wine has none, and there 960 x 720 fits just).
#include "tests/e2e/config_dialog_support.h"

using namespace vorrith::e2e;

E2E_SCENARIO(dpi_150_small_screen_e2e) {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ConfigDialog dialog = OpenConfigDialog();
    REQUIRE(dialog.window != nullptr);
    const RECT window = WindowRect(dialog.window);
    CHECK(window.left >= work.left && window.top >= work.top);
    CHECK(window.right <= work.right && window.bottom <= work.bottom);
    const RECT client = ClientRect(dialog.window);
    CHECK(client.bottom <= 720);  // at most 960 x 720, and 4:3 when shrunk
    CHECK(client.right * 3 / 4 == client.bottom || client.right * 3 / 4 + 1 == client.bottom);
    for (const int id : {IDC_SAVE_AS, IDC_ABOUT, IDC_SET_WALLPAPER, IDC_CHANGE_DISPLAY_MODE}) {
        RECT box = WindowRect(GetDlgItem(dialog.window, id));
        MapWindowPoints(nullptr, dialog.window, reinterpret_cast<POINT*>(&box), 2);
        CHECK(box.bottom <= client.bottom && box.right <= client.right);
    }
    CloseConfigDialog(dialog);
}
