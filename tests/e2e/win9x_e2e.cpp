// The Windows 9x family paths of the real program: a copy of Vorrith.scr that Wine
// reports the 9x family to (an application version setting of the prefix) registers
// "QueryCancelAutoPlay" and, with no screensaver password set, closes when asked and
// answers 0 (auto-play not cancelled). Only a 32-bit program can be shown the 9x
// family, so the 64-bit build skips this.
#include "tests/e2e/window_driver.h"

#include <cstdio>

using namespace vorrith::e2e;

namespace {

constexpr char kCopyName[] = "Vorrith98.scr";

bool ReportNineXFamilyTo(const char* programName) {
    const std::string key = std::string("Software\\Wine\\AppDefaults\\") + programName;
    HKEY settings = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &settings, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const char version[] = "win98";
    const LONG set =
        RegSetValueExA(settings, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version), sizeof version);
    RegCloseKey(settings);
    return set == ERROR_SUCCESS;
}

}  // namespace

E2E_SCENARIO(win9x_e2e) {
    if (sizeof(void*) != 4) {
        std::printf("win9x_e2e: skipped in the 64-bit build\n");
        return;
    }
    REQUIRE(CopyFileA("Vorrith.scr", kCopyName, FALSE));
    REQUIRE(ReportNineXFamilyTo(kCopyName));

    DWORD exitCode = 1;
    Program saver = StartProgram(std::string(kCopyName) + " /s");
    const HWND window = WaitForWindow("WindowsScreenSaverClass", "Screen Saver", 10000);
    if (window == nullptr) EndProgram(saver);
    REQUIRE(window != nullptr);
    Pause(2000);
    const UINT queryCancelAutoPlay = RegisterWindowMessageA("QueryCancelAutoPlay");
    CHECK(SendMessageA(window, queryCancelAutoPlay, 0, 0) == 0);
    CHECK(WaitForExit(saver, 10000, exitCode));
    CHECK(exitCode == 0);
    EndProgram(saver);
    DeleteFileA(kCopyName);
}
