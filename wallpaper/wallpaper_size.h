// The size the picture is made at: --size when given; else the largest monitor's, from
// sway's outputs on sway and from XRandR when an X display is reachable; else 3840 x 2160.
#pragma once

#include <string>

#include "wallpaper/program_runner.h"
#include "wallpaper/wallpaper_options.h"

namespace vorrith {

constexpr PictureSize kSizeWithoutMonitors = {3840, 2160};

struct WallpaperSize {
    PictureSize size;
    const char* origin;  // where the size came from, for the user: "the largest monitor's size"
};

WallpaperSize ChooseWallpaperSize(const WallpaperOptions& options, const std::string& currentDesktop,
                                  const ToolRunner& runner);

}  // namespace vorrith
