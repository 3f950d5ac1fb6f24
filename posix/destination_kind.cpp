#include "posix/destination_kind.h"

#include <sys/stat.h>

#include <cerrno>

#include "posix/system_reason.h"

namespace vorrith {

DestinationKind KindOfDestination(const std::string& path) {
    struct stat named {};
    if (lstat(path.c_str(), &named) != 0) return DestinationKind::kNothing;
    struct stat target {};
    if (S_ISLNK(named.st_mode) && stat(path.c_str(), &target) != 0) return DestinationKind::kLink;  // dangling
    const struct stat& led = S_ISLNK(named.st_mode) ? target : named;
    if (S_ISDIR(led.st_mode)) return DestinationKind::kDirectory;
    if (!S_ISREG(led.st_mode)) return DestinationKind::kStream;
    if (S_ISLNK(named.st_mode)) return DestinationKind::kLink;
    // The mode, not access(W_OK): root may write anything, yet a read-only file is kept.
    return (named.st_mode & 0222) == 0 ? DestinationKind::kReadOnlyFile : DestinationKind::kFile;
}

std::string RefusalOf(DestinationKind kind) {
    if (kind == DestinationKind::kDirectory) return SystemReason(EISDIR);
    if (kind == DestinationKind::kReadOnlyFile) return "the file is read-only";
    return "";
}

}  // namespace vorrith
