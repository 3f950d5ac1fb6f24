#include "wallpaper/wallpaper_job.h"

#include <cstdlib>

#include "cli/message_text.h"
#include "core/clock.h"
#include "core/random.h"
#include "posix/safe_file_replacement.h"
#include "wallpaper/daily_picture.h"
#include "wallpaper/daily_record.h"
#include "wallpaper/daily_timer.h"
#include "wallpaper/desktop_background.h"
#include "wallpaper/wallpaper_files.h"
#include "wallpaper/wallpaper_messages.h"
#include "wallpaper/wallpaper_picture.h"
#include "wallpaper/wallpaper_size.h"
#include "wallpaper/xdg_folders.h"

namespace vorrith {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string SizeText(PictureSize size) { return std::to_string(size.width) + "x" + std::to_string(size.height); }

// The picture and the words that name it.
struct ChosenPicture {
    int imageNumber;
    std::string name;  // "picture 20817", "picture 20817 (the picture of 2026-12-08)"
};

ChosenPicture ChoosePicture(const WallpaperOptions& options, CalendarDate today) {
    switch (options.choice) {
    case PictureChoice::kNumber: return {options.imageNumber, "picture " + std::to_string(options.imageNumber)};
    case PictureChoice::kRandom: {
        const int number = ImageNumberFromTicks(TickCount());
        return {number, "picture " + std::to_string(number)};
    }
    case PictureChoice::kDaily: break;
    }
    const int number = DailyImageNumber(today);
    return {number, "picture " + std::to_string(number) + " (the picture of " + DateText(today) + ")"};
}

std::string UnrecognisedDesktop(const std::string& desktop, const std::string& file, bool dryRun) {
    const std::string named =
        desktop.empty() ? "$XDG_CURRENT_DESKTOP is not set" : "$XDG_CURRENT_DESKTOP is " + Quoted(desktop);
    return "the desktop was not recognised (" + named + ") and neither feh nor xwallpaper can set it on an X " +
           "display: the picture " + (dryRun ? "would be " : "is ") + Quoted(file);
}

// Draws the picture into the wallpapers' folder; "" or the one-line message.
std::string WritePicture(const ChosenPicture& picture, const WallpaperSize& size, const WallpaperOptions& options,
                         const std::string& file, const ToolRunner& runner) {
    const std::string what = picture.name + " at " + SizeText(size.size) + ", " + size.origin;
    if (runner.dryRun()) {
        runner.Announce("would write " + what + ", to " + file);
        return "";
    }
    const std::string folderError = MakeFolders(ContainingFolder(file));
    if (!folderError.empty()) return folderError;
    Tell("Drawing " + what + " ...");
    return WriteWallpaperPicture(picture.imageNumber, size.size, options.fitMode, file);
}

int SetWallpaper(const WallpaperOptions& options, const UserFolders& folders, const ToolRunner& runner) {
    const CalendarDate date = LocalDate();
    const std::string today = DateText(date);
    const ChosenPicture picture = ChoosePicture(options, date);
    if (options.choice == PictureChoice::kDaily && DailyPictureAlreadySet(folders.state, today)) {
        Tell("Today's picture, " + std::to_string(picture.imageNumber) + ", is set already (recorded in " +
             DailyRecordPath(folders.state) + ").");
        return 0;
    }
    const std::string desktop = Environment("XDG_CURRENT_DESKTOP");
    const WallpaperSize size = ChooseWallpaperSize(options, desktop, runner);
    const std::string folder = InFolder(folders.data, "vorrith/wallpapers");
    const std::string name = WallpaperFileName(picture.imageNumber, size.size, options.fitMode);
    const std::string file = InFolder(folder, name);
    const std::string written = WritePicture(picture, size, options, file, runner);
    if (!written.empty()) return FailWallpaper(written);

    const BackgroundResult set =
        SetDesktopBackground(desktop, !Environment("DISPLAY").empty(), file, options.fitMode, runner);
    if (!set.error.empty()) return FailWallpaper(set.error);
    if (runner.dryRun()) return set.tool.empty() ? FailWallpaper(UnrecognisedDesktop(desktop, file, true)) : 0;
    // Once the new picture is shown (or left for the user to set), older ones may go.
    const std::string pruned = PruneWallpapers(folder, name, kWallpapersKept);
    if (!pruned.empty()) return FailWallpaper(pruned);
    if (set.tool.empty()) return FailWallpaper(UnrecognisedDesktop(desktop, file, false));
    if (options.choice == PictureChoice::kDaily) {
        const std::string recorded = RecordDailyPicture(folders.state, today, picture.imageNumber);
        if (!recorded.empty()) return FailWallpaper(recorded);
    }
    Tell("Set " + picture.name + " as the desktop background with " + set.tool + ": " + file);
    return 0;
}

}  // namespace

int RunWallpaperJob(const WallpaperOptions& options) {
    const UserFolders folders = FindUserFolders();
    if (!folders.error.empty()) return FailWallpaper(folders.error);
    const ToolRunner runner(options.dryRun);
    if (options.removeTimer) {
        const std::string error = RemoveDailyTimer(folders, runner);
        return error.empty() ? 0 : FailWallpaper(error);
    }
    const int status = SetWallpaper(options, folders, runner);
    if (status != 0 || !options.installTimer) return status;
    const std::string error = InstallDailyTimer(options, folders, runner);
    return error.empty() ? 0 : FailWallpaper(error);
}

}  // namespace vorrith
