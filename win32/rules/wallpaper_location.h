// Where Set as Desktop Background keeps its picture and what it tells the system: the
// file Vorrith\Wallpaper.bmp in the user's local application data folder (the one
// the uninstaller looks for), and the desktop settings that show a picture of the
// screen's size as it is: centred (style 0) and not tiled.
#pragma once

#include <string>

namespace vorrith {

constexpr char kDesktopSettingsKey[] = "Control Panel\\Desktop";
constexpr char kWallpaperStyleValue[] = "WallpaperStyle";
constexpr char kTileWallpaperValue[] = "TileWallpaper";
constexpr char kCentredUntiled[] = "0";  // the text both values hold

// The program's folder in localAppData (the folder's path, with or without a closing
// backslash), and the wallpaper's file in it.
std::wstring WallpaperFolder(const std::wstring& localAppData);
std::wstring WallpaperFile(const std::wstring& localAppData);

}  // namespace vorrith
