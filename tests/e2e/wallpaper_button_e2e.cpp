// Set as Desktop Background: the button, disabled until a picture is shown, fits the
// control row; pressed, it makes the user's desktop background Vorrith\Wallpaper.bmp in
// the local application data folder, centred and untiled, and that file is the
// renderer's picture at the screen's size (tools/run-windows-tests.sh renders it beside
// Vorrith.scr with --size and --fill). The wallpaper is taken back at the end.
#include <cctype>

#include "tests/e2e/config_dialog_support.h"

using namespace vorrith::e2e;

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kWallpaperFileEnd[] = "\\vorrith\\wallpaper.bmp";
// Rows of the client area above the row of controls at its bottom.
constexpr LONG kRowsAboveControls = 400;

std::string DesktopValue(const char* name) {
    char text[1024] = "";
    DWORD size = sizeof text - 1;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "";
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    return text;
}

bool NamesOurWallpaper(std::string path) {
    for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string end = kWallpaperFileEnd;
    return path.size() > end.size() && path.compare(path.size() - end.size(), end.size(), end) == 0;
}

void TakeBackWallpaper(const std::string& file) {
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(""), SPIF_UPDATEINIFILE);
    DeleteFileA(file.c_str());
    RemoveDirectoryA(file.substr(0, file.find_last_of('\\')).c_str());
}

}  // namespace

E2E_SCENARIO(wallpaper_button_e2e) {
    const std::vector<BYTE> expected = ReadWholeFile("wallpaper-reference-12345.bmp");
    const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    REQUIRE(expected.size() == 54 + static_cast<size_t>(width) * height * 3);  // rendered for this screen

    ConfigDialog dialog = OpenConfigDialog();
    REQUIRE(dialog.window != nullptr);
    CHECK(!IsControlEnabled(dialog.window, IDC_SET_WALLPAPER));
    CheckRowEnd(dialog.window, kRowsAboveControls);
    CHECK(DrawAndWaitForTitle(dialog.window, IDC_DRAW, 12345) == "Image 12345 - Vorrith 1.80");
    CHECK(IsControlEnabled(dialog.window, IDC_SET_WALLPAPER));

    ClickButton(dialog.window, IDC_SET_WALLPAPER);
    CHECK(WaitUntil([] { return NamesOurWallpaper(DesktopValue("Wallpaper")); }, kDialogWaitMs));
    const std::string file = DesktopValue("Wallpaper");
    CHECK(ReadWholeFile(file) == expected);
    CHECK(DesktopValue("WallpaperStyle") == "0");
    CHECK(DesktopValue("TileWallpaper") == "0");
    CHECK(WaitForProcessDialog(dialog.program.processId, "Error", 0) == nullptr);
    CloseConfigDialog(dialog);
    if (NamesOurWallpaper(file)) TakeBackWallpaper(file);
}
