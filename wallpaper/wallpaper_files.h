// The picture files in $XDG_DATA_HOME/vorrith/wallpapers: one name for each picture,
// size and fit, since some desktops (Plasma) show nothing new for a path they have shown
// before; the newest few are kept, and only files of that form are ever removed.
#pragma once

#include <string>

#include "cli/options/render_options.h"

namespace vorrith {

constexpr int kWallpapersKept = 5;

// "Vorrith12345-3840x2160.png"; with kFit "Vorrith12345-3840x2160-fit.png".
std::string WallpaperFileName(int imageNumber, PictureSize size, FitMode mode);

// True for the names WallpaperFileName makes.
bool IsWallpaperFileName(const std::string& name);

// Removes the wallpaper files of folder but the newest kept by modification time, and
// never current (a name in folder). Nothing else in the folder is touched. "" or the
// one-line message of the first removal that failed.
std::string PruneWallpapers(const std::string& folder, const std::string& current, int kept);

}  // namespace vorrith
