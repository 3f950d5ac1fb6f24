// The display-mode choice: the check box "Change the screen to 640 x 480" sits right of
// About at the right end of the row under the picture, within it, checked while nothing
// is stored; unchecking it stores ChangeDisplayMode = 0 under HKCU\Software\Vorrith,
// and the full-screen saver then leaves the display as it is and covers it whole, the
// picture kept 4:3.
// Leaves saver-no-mode-switch.bmp, that saver on the screen, in the build folder.
#include <cstdlib>

#include "tests/e2e/config_dialog_support.h"

using namespace vorrith::e2e;

namespace {

constexpr char kSettingsKey[] = "Software\\Vorrith";
constexpr char kChoiceValue[] = "ChangeDisplayMode";

// The stored choice, or -1 when there is none.
long StoredChoice() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return -1;
    DWORD value = 0, type = 0, size = sizeof value;
    const LONG result = RegQueryValueExA(key, kChoiceValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_DWORD ? static_cast<long>(value) : -1;
}

void ForgetChoice() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, kChoiceValue);
    RegCloseKey(key);
}

RECT ControlInClient(HWND dialog, int id) {
    RECT box = WindowRect(GetDlgItem(dialog, id));
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

void UncheckTheChoice(HWND dialog) {
    const HWND box = GetDlgItem(dialog, IDC_CHANGE_DISPLAY_MODE);
    REQUIRE(box != nullptr);
    const RECT client = ClientRect(dialog);
    const RECT choice = ControlInClient(dialog, IDC_CHANGE_DISPLAY_MODE);
    const RECT about = ControlInClient(dialog, IDC_ABOUT);
    CHECK(choice.left > about.right && choice.right < client.right);
    CHECK(std::abs((choice.top + choice.bottom) - (about.top + about.bottom)) <= 1);  // on the row's middle
    CHECK(SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED);
    PostMessageA(box, BM_CLICK, 0, 0);
    CHECK(WaitUntil([] { return StoredChoice() == 0; }, kDialogWaitMs));
    CHECK(SendMessageA(box, BM_GETCHECK, 0, 0) == BST_UNCHECKED);
}

void RunSaverWithoutTheSwitch() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    Program saver;
    const HWND window = StartFullScreenSaver(saver);
    REQUIRE(window != nullptr);
    const RECT area{0, 0, width, height};
    CHECK(WaitUntilWindowCovers(window, area, 5000));
    CHECK(WaitUntil([&] { return CountLitPixels(area) > 100; }, 15000));
    Pause(3000);  // the first fade has grown the picture over most of its 4:3 area
    CHECK(GetSystemMetrics(SM_CXSCREEN) == width && GetSystemMetrics(SM_CYSCREEN) == height);
    CHECK(SaveScreenBmp("saver-no-mode-switch.bmp"));
    DWORD exitCode = 1;
    CHECK(EndWithKey(saver, window, exitCode));
}

}  // namespace

E2E_SCENARIO(display_mode_choice_e2e) {
    ForgetChoice();
    ConfigDialog dialog = OpenConfigDialog();
    REQUIRE(dialog.window != nullptr);
    UncheckTheChoice(dialog.window);
    CloseConfigDialog(dialog);
    RunSaverWithoutTheSwitch();
    ForgetChoice();
}
