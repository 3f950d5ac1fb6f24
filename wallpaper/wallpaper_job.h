// Carries out a checked vorrith-wallpaper command line: removes the timer, or makes the
// picture, sets it as the background and keeps the newest files, then installs the timer
// when asked.
#pragma once

#include "wallpaper/wallpaper_options.h"

namespace vorrith {

// The process exit code: 0, or 1 after a one-line error.
int RunWallpaperJob(const WallpaperOptions& options);

}  // namespace vorrith
