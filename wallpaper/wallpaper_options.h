// The command line of vorrith-wallpaper, checked before anything is drawn or run.
//
//   vorrith-wallpaper [N | --daily | --random] [--size WxH] [--fit | --fill]
//                     [--install-timer] [--dry-run]
//   vorrith-wallpaper --remove-timer [--dry-run]
//
// Without N or --random the picture is the picture of the day, as with --daily.
// --install-timer runs that picture daily, so it takes no N and no --random.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/options/render_options.h"

namespace vorrith {

enum class PictureChoice { kDaily, kNumber, kRandom };

struct WallpaperOptions {
    PictureChoice choice = PictureChoice::kDaily;
    int imageNumber = 0;              // with kNumber
    std::optional<PictureSize> size;  // --size; else the largest monitor's
    FitMode fitMode = FitMode::kFill;
    bool fitGiven = false;  // --fit or --fill was written, so the timer repeats it
    bool installTimer = false;
    bool removeTimer = false;
    bool dryRun = false;
    bool showHelp = false;
};

struct ParsedWallpaperOptions {
    WallpaperOptions options;
    std::string error;  // empty when the command line is valid
};

ParsedWallpaperOptions ParseWallpaperOptions(const std::vector<std::string>& arguments);

// The options a daily run of the timer repeats: --daily, and --size and --fit or --fill
// when they were given.
std::vector<std::string> DailyRunArguments(const WallpaperOptions& options);

extern const char* const kWallpaperUsage;

}  // namespace vorrith
