#include "win32/desktop_wallpaper_win32.h"

#include <windows.h>
#include <shlobj.h>

#include "saver/dialog_texts.h"
#include "saver/picture_browser.h"
#include "win32/file_replacement_win32.h"
#include "win32/rules/wallpaper_location.h"
#include "win32/system_error_text_win32.h"

namespace vorrith {
namespace {

// The reason for a failure the system may not have given a code for.
std::string ReasonOf(DWORD error) { return error != 0 ? SystemErrorText(error) : ""; }

// The user's local application data folder, made when it does not exist yet; ""
// with error set when there is none.
std::wstring LocalAppDataFolder(DWORD& error) {
    wchar_t folder[MAX_PATH] = L"";
    const HRESULT found =
        SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder);
    error = SUCCEEDED(found) ? 0 : HRESULT_CODE(found);
    return SUCCEEDED(found) ? folder : L"";
}

// 0 or the error.
DWORD MakeFolder(const std::wstring& folder) {
    if (CreateDirectoryW(folder.c_str(), nullptr)) return 0;
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    const bool isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return error == ERROR_ALREADY_EXISTS && isFolder ? 0 : error;
}

// The picture has the screen's size already: shown centred, not stretched nor tiled.
LONG StoreCentredUntiledStyle() {
    HKEY key = nullptr;
    LONG result =
        RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS) return result;
    for (const char* name : {kWallpaperStyleValue, kTileWallpaperValue}) {
        if (result == ERROR_SUCCESS) {
            result = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(kCentredUntiled),
                                    sizeof kCentredUntiled);
        }
    }
    RegCloseKey(key);
    return result;
}

}  // namespace

std::string SetShownPictureAsWallpaper() {
    // The primary monitor in real pixels, as the program is DPI aware.
    const PictureSize screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const WallpaperPicture picture = MakeBrowserWallpaper(screen);
    if (picture.bmp.empty()) return WallpaperFailedMessage(WallpaperStep::kMakePicture, picture.failure);
    DWORD error = 0;
    const std::wstring appData = LocalAppDataFolder(error);
    if (error == 0) error = MakeFolder(WallpaperFolder(appData));
    if (appData.empty() || error != 0) return WallpaperFailedMessage(WallpaperStep::kMakeFolder, ReasonOf(error));
    const std::wstring file = WallpaperFile(appData);
    const FileReplaceResult written = ReplaceFileSafelyWin32(file, picture.bmp);
    if (!written.ok) return WallpaperFailedMessage(WallpaperStep::kWriteFile, written.reason);
    const LONG stored = StoreCentredUntiledStyle();
    if (stored != ERROR_SUCCESS) return WallpaperFailedMessage(WallpaperStep::kStoreStyle, ReasonOf(stored));
    SetLastError(0);
    if (!SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, const_cast<wchar_t*>(file.c_str()),
                               SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)) {
        return WallpaperFailedMessage(WallpaperStep::kApply, ReasonOf(GetLastError()));
    }
    return "";
}

}  // namespace vorrith
