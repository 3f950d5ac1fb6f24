#include "wallpaper/wallpaper_files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <tuple>
#include <vector>

#include "cli/message_text.h"
#include "posix/system_reason.h"
#include "wallpaper/xdg_folders.h"

namespace vorrith {
namespace {

// Reads at least one digit at text[at]; moves at past them.
bool SkipDigits(const std::string& text, size_t& at) {
    const size_t start = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    return at > start;
}

bool SkipText(const std::string& text, size_t& at, const std::string& expected) {
    if (text.compare(at, expected.size(), expected) != 0) return false;
    at += expected.size();
    return true;
}

struct WallpaperFile {
    std::string name;
    timespec modified;
};

bool NewerFirst(const WallpaperFile& a, const WallpaperFile& b) {
    return std::tie(a.modified.tv_sec, a.modified.tv_nsec, a.name) >
           std::tie(b.modified.tv_sec, b.modified.tv_nsec, b.name);
}

std::vector<WallpaperFile> WallpaperFilesIn(const std::string& folder) {
    std::vector<WallpaperFile> files;
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(folder.c_str()), closedir);
    if (!listing) return files;
    while (const dirent* entry = readdir(listing.get())) {
        const std::string name = entry->d_name;
        struct stat status {};
        if (!IsWallpaperFileName(name) || lstat(InFolder(folder, name).c_str(), &status) != 0) continue;
        if (S_ISREG(status.st_mode)) files.push_back({name, status.st_mtim});
    }
    return files;
}

}  // namespace

std::string WallpaperFileName(int imageNumber, PictureSize size, FitMode mode) {
    return "Vorrith" + std::to_string(imageNumber) + "-" + std::to_string(size.width) + "x" +
           std::to_string(size.height) + (mode == FitMode::kFit ? "-fit" : "") + ".png";
}

bool IsWallpaperFileName(const std::string& name) {
    size_t at = 0;
    if (!SkipText(name, at, "Vorrith") || !SkipDigits(name, at) || !SkipText(name, at, "-") || !SkipDigits(name, at) ||
        !SkipText(name, at, "x") || !SkipDigits(name, at)) {
        return false;
    }
    SkipText(name, at, "-fit");
    return SkipText(name, at, ".png") && at == name.size();
}

std::string PruneWallpapers(const std::string& folder, const std::string& current, int kept) {
    std::vector<WallpaperFile> files = WallpaperFilesIn(folder);
    std::sort(files.begin(), files.end(), NewerFirst);
    int keeping = 0;
    for (const WallpaperFile& file : files) {
        if (file.name == current || keeping < kept - 1) {
            keeping += file.name == current ? 0 : 1;
            continue;
        }
        const std::string path = InFolder(folder, file.name);
        if (unlink(path.c_str()) != 0 && errno != ENOENT) {
            return "cannot remove the old picture " + Quoted(path) + ": " + SystemReason(errno);
        }
    }
    return "";
}

}  // namespace vorrith
