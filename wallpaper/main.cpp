// vorrith-wallpaper: a Vorrith picture as the desktop background on Linux, at the size of
// the largest monitor, set with the desktop's own tool; the picture of the day, daily,
// with a systemd user timer.
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

#include "posix/descriptor_writer.h"
#include "posix/interruption.h"
#include "wallpaper/wallpaper_job.h"
#include "wallpaper/wallpaper_options.h"

int main(int argc, char** argv) {
    std::signal(SIGPIPE, SIG_IGN);  // a closed pipe is a failed write, not a silent death
    // Ctrl-C or SIGTERM while the picture is written removes its temporary file.
    vorrith::EndOnInterruption();
    const vorrith::ParsedWallpaperOptions parsed =
        vorrith::ParseWallpaperOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        vorrith::WriteAll(STDERR_FILENO, "vorrith-wallpaper: error: " + parsed.error + " (try --help)\n");
        return 2;
    }
    if (parsed.options.showHelp) return vorrith::WriteAll(STDOUT_FILENO, vorrith::kWallpaperUsage) == 0 ? 0 : 1;
    return vorrith::RunWallpaperJob(parsed.options);
}
