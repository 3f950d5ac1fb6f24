#include "cli/destination_check.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "cli/file_replacement_posix.h"
#include "cli/message_text.h"

namespace vorrith {
namespace {

int NameLengthError(const std::string& path, const std::string& folder) {
    const std::string name = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
    errno = 0;
    const long nameMax = pathconf(folder.c_str(), _PC_NAME_MAX);
    if (path.size() >= PATH_MAX) return ENAMETOOLONG;
    if (nameMax > 0 && name.size() > static_cast<size_t>(nameMax)) return ENAMETOOLONG;
    return 0;
}

int FolderError(const std::string& folder) {
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0) return errno;
    if (!S_ISDIR(status.st_mode)) return ENOTDIR;
    return access(folder.c_str(), W_OK | X_OK) != 0 ? errno : 0;
}

}  // namespace

std::string DestinationProblem(const std::string& path) {
    const std::string folder = ContainingFolder(path);
    struct stat status {};
    const bool exists = lstat(path.c_str(), &status) == 0;
    int error = 0;
    if (exists && S_ISDIR(status.st_mode)) {
        error = EISDIR;
    } else if (exists && !S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode)) {
        return "";  // a device or pipe is written in place; its folder need not be writable
    } else {
        error = FolderError(folder);
        if (error != 0) return "cannot write " + Quoted(path) + ": folder " + Quoted(folder) + ": " + SystemReason(error);
        error = NameLengthError(path, folder);
    }
    return error == 0 ? "" : "cannot write " + Quoted(path) + ": " + SystemReason(error);
}

}  // namespace vorrith
