// The systemd user timer that sets the picture of the day every day:
// $XDG_CONFIG_HOME/systemd/user/vorrith-wallpaper.timer (OnCalendar=daily; Persistent=true,
// so a day missed while the machine was off is caught up at the next start) and the
// .service it starts. The service names the program by a stable path and records the
// desktop's variables, which services of the user's manager often lack.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "wallpaper/program_runner.h"
#include "wallpaper/wallpaper_options.h"
#include "wallpaper/xdg_folders.h"

namespace vorrith {

using EnvironmentVariables = std::vector<std::pair<std::string, std::string>>;

std::string TimerUnitText();
// Runs program with arguments, under each variable of environment.
std::string ServiceUnitText(const std::string& program, const std::vector<std::string>& arguments,
                            const EnvironmentVariables& environment);

// The desktop's variables that are set here: XDG_CURRENT_DESKTOP, DISPLAY, WAYLAND_DISPLAY.
EnvironmentVariables DesktopVariables();

// Writes both units, the service running this program with DailyRunArguments(options)
// (first copied to ~/.local/bin when it runs from a build folder), and enables the
// timer with systemctl --user. "" or the one-line message.
std::string InstallDailyTimer(const WallpaperOptions& options, const UserFolders& folders, const ToolRunner& runner);

// Disables the timer and removes both units. "" or the one-line message.
std::string RemoveDailyTimer(const UserFolders& folders, const ToolRunner& runner);

}  // namespace vorrith
