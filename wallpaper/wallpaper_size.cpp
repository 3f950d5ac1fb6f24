#include "wallpaper/wallpaper_size.h"

#include <algorithm>
#include <cstdlib>

#include "wallpaper/desktop_background.h"
#include "wallpaper/monitor_sizes.h"

namespace vorrith {
namespace {

std::vector<PictureSize> DetectMonitors(const std::string& currentDesktop, const ToolRunner& runner) {
    if (IsSwayDesktop(currentDesktop)) {
        const ProgramResult outputs = runner.Query({"swaymsg", "-r", "-t", "get_outputs"});
        if (outputs.error.empty()) {
            std::vector<PictureSize> sizes = SwayOutputSizes(outputs.output);
            if (!sizes.empty()) return sizes;
        }
    }
    const char* display = std::getenv("DISPLAY");
    if (display && display[0] != '\0') return XMonitorSizes();
    return {};
}

}  // namespace

WallpaperSize ChooseWallpaperSize(const WallpaperOptions& options, const std::string& currentDesktop,
                                  const ToolRunner& runner) {
    if (options.size) return {*options.size, "the size asked for"};
    const auto largest = LargestMonitor(DetectMonitors(currentDesktop, runner));
    if (!largest) return {kSizeWithoutMonitors, "as no monitor was found"};
    // An X screen that spans several monitors may be wider than any picture.
    return {{std::min(largest->width, kLargestOutputSide), std::min(largest->height, kLargestOutputSide)},
            "the largest monitor's size"};
}

}  // namespace vorrith
