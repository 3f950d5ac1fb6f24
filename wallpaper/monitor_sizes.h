// The sizes of the monitors, in pixels, as the display reports them: XRandR's monitors on
// an X display (XWayland reports them on GNOME and KDE too), sway's outputs from
// `swaymsg -r -t get_outputs`. The picture is made for the largest.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/options/render_options.h"

namespace vorrith {

// The active monitors of the X display named by $DISPLAY; empty when it cannot be
// reached. Without XRandR 1.5 monitors, the screen's size.
std::vector<PictureSize> XMonitorSizes();

// The active outputs in sway's JSON list of outputs, each its mode's pixels (sides
// exchanged when turned by 90 or 270 degrees); empty when the text is no such list.
std::vector<PictureSize> SwayOutputSizes(const std::string& json);

// The one of the most pixels (the first of equals), if any.
std::optional<PictureSize> LargestMonitor(const std::vector<PictureSize>& sizes);

}  // namespace vorrith
