// The installed saver started as Windows starts the active one: by the path in the user's
// SCRNSAVE.EXE, unquoted, full screen and in configuration mode. tools/test-installer.sh
// runs it after each install; it is no CTest test of the build folder.
#include "tests/e2e/config_dialog_support.h"

using namespace vorrith::e2e;

namespace {

std::string ActiveSaverPath() {
    char path[MAX_PATH] = {};
    DWORD size = sizeof path;
    const LSTATUS status =
        RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE", RRF_RT_REG_SZ, nullptr, path, &size);
    return status == ERROR_SUCCESS ? path : "";
}

}  // namespace

E2E_SCENARIO(installed_saver) {
    const std::string saverPath = ActiveSaverPath();
    REQUIRE(!saverPath.empty());

    Program saver;
    const HWND window = StartFullScreenSaver(saver, saverPath);
    REQUIRE(window != nullptr);
    DWORD exitCode = 1;
    CHECK(EndWithKey(saver, window, exitCode));
    CHECK(exitCode == 0);

    ConfigDialog dialog = OpenConfigDialog(saverPath);
    REQUIRE(dialog.window != nullptr);
    CloseConfigDialog(dialog);
}
