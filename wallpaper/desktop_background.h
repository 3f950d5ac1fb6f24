// Making a picture file the desktop background with the desktop's own tool, chosen by
// $XDG_CURRENT_DESKTOP (a list such as "ubuntu:GNOME"; its first entry known here wins):
//  - GNOME and its kin (ubuntu, Unity, Budgie, GNOME Classic and Flashback): gsettings
//    picture-options, picture-uri, and picture-uri-dark where the schema has it (GNOME
//    42 on; a desktop in dark mode shows that one);
//  - Cinnamon and MATE: gsettings with their own schemas;
//  - KDE Plasma: plasma-apply-wallpaperimage;
//  - XFCE: xfconf-query, each monitor's and workspace's last-image it lists;
//  - sway: swaymsg output * bg;
//  - any other desktop on X: feh, else xwallpaper, when installed.
#pragma once

#include <string>

#include "cli/options/render_options.h"
#include "wallpaper/program_runner.h"

namespace vorrith {

struct BackgroundResult {
    std::string tool;   // what set it ("gsettings"); "" when the desktop was not recognised
    std::string error;  // the one-line message when a tool failed
};

// currentDesktop: $XDG_CURRENT_DESKTOP ("" when unset); hasXDisplay: $DISPLAY is set.
BackgroundResult SetDesktopBackground(const std::string& currentDesktop, bool hasXDisplay, const std::string& file,
                                      FitMode mode, const ToolRunner& runner);

// True when $XDG_CURRENT_DESKTOP names sway.
bool IsSwayDesktop(const std::string& currentDesktop);

// "file:///home/a%20b/x.png": every byte of path but letters, digits, "-._~" and "/"
// percent-encoded.
std::string FileUri(const std::string& path);

}  // namespace vorrith
