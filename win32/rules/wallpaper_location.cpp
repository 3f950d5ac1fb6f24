#include "win32/rules/wallpaper_location.h"

namespace vorrith {

std::wstring WallpaperFolder(const std::wstring& localAppData) {
    const bool closed = !localAppData.empty() && localAppData.back() == L'\\';
    return localAppData + (closed ? L"" : L"\\") + L"Vorrith";
}

std::wstring WallpaperFile(const std::wstring& localAppData) {
    return WallpaperFolder(localAppData) + L"\\Wallpaper.bmp";
}

}  // namespace vorrith
