#include "cli/output/destination_check.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "cli/message_text.h"
#include "cli/output/picture_output.h"
#include "core/random.h"
#include "posix/destination_kind.h"
#include "posix/safe_file_replacement.h"
#include "posix/system_reason.h"

namespace vorrith {
namespace {

// 0 when files can be created in folder, else the errno that says why not.
int FolderError(const std::string& folder) {
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0) return errno;
    if (!S_ISDIR(status.st_mode)) return ENOTDIR;
    return access(folder.c_str(), W_OK | X_OK) != 0 ? errno : 0;
}

bool NameTooLong(const std::string& folder, size_t nameLength, size_t pathLength) {
    const long nameMax = pathconf(folder.c_str(), _PC_NAME_MAX);
    return pathLength >= PATH_MAX || (nameMax > 0 && nameLength > static_cast<size_t>(nameMax));
}

std::string CannotWrite(const std::string& path, int error) {
    return "cannot write " + Quoted(path) + ": " + SystemReason(error);
}

std::string FolderProblem(const std::string& path, const std::string& folder) {
    const int error = FolderError(folder);
    if (error == 0) return "";
    return "cannot write " + Quoted(path) + ": folder " + Quoted(folder) + ": " + SystemReason(error);
}

// The longest name a picture gets in a folder: that of the highest image number.
size_t LongestDefaultName() {
    return std::max(PictureFileName(PictureFormat::kBmp, kMaxImageNumber).size(),
                    PictureFileName(PictureFormat::kPng, kMaxImageNumber).size());
}

}  // namespace

std::string DestinationProblem(const std::string& path) {
    const DestinationKind kind = KindOfDestination(path);
    const std::string refusal = RefusalOf(kind);
    if (!refusal.empty()) return "cannot write " + Quoted(path) + ": " + refusal;
    // A device or pipe is written in place; its folder need not be writable.
    if (kind == DestinationKind::kStream) return "";
    const std::string folder = ContainingFolder(path);
    const std::string problem = FolderProblem(path, folder);
    if (!problem.empty()) return problem;
    const size_t slash = path.rfind('/');
    const size_t nameLength = slash == std::string::npos ? path.size() : path.size() - slash - 1;
    return NameTooLong(folder, nameLength, path.size()) ? CannotWrite(path, ENAMETOOLONG) : "";
}

std::string PicturesDestinationProblem(const RenderOptions& options) {
    if (WritesToStandardOutput(options)) {
        return isatty(STDOUT_FILENO) ? "will not write a picture to a terminal: redirect the standard output" : "";
    }
    if (options.outputPath) return DestinationProblem(*options.outputPath);
    return OutputFolderProblem(options.outputFolder.value_or("."));
}

std::string OutputFolderProblem(const std::string& folder) {
    const int error = FolderError(folder);
    if (error != 0) return "cannot write into folder " + Quoted(folder) + ": " + SystemReason(error);
    const size_t longestName = LongestDefaultName();
    return NameTooLong(folder, longestName, folder.size() + 1 + longestName) ? CannotWrite(folder, ENAMETOOLONG) : "";
}

}  // namespace vorrith
