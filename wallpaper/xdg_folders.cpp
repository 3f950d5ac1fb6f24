#include "wallpaper/xdg_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "cli/message_text.h"
#include "posix/system_reason.h"

namespace vorrith {
namespace {

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir &&
        found->pw_dir[0] == '/') {
        return found->pw_dir;
    }
    return "";
}

std::string BaseFolder(const char* variable, const std::string& home, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    return InFolder(home, fallback);
}

}  // namespace

UserFolders FindUserFolders() {
    UserFolders folders;
    folders.home = HomeFolder();
    if (folders.home.empty()) {
        folders.error = "cannot find the home folder: $HOME is not an absolute path and the password database has none";
        return folders;
    }
    folders.data = BaseFolder("XDG_DATA_HOME", folders.home, ".local/share");
    folders.state = BaseFolder("XDG_STATE_HOME", folders.home, ".local/state");
    folders.config = BaseFolder("XDG_CONFIG_HOME", folders.home, ".config");
    return folders;
}

std::string MakeFolders(const std::string& folder) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        struct stat existing {};
        if (stat(part.c_str(), &existing) != 0 && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return "cannot make the folder " + Quoted(part) + ": " + SystemReason(errno);
        }
        if (slash == std::string::npos) break;
    }
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        return Quoted(folder) + " is not a folder";
    }
    return "";
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return !folder.empty() && folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace vorrith
