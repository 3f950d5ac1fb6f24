#include "posix/safe_file_replacement.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "posix/destination_kind.h"
#include "posix/interruption.h"
#include "posix/system_reason.h"

namespace vorrith {
namespace {

// The temporary file of this process, for the signal handlers. Set and cleared with
// interruptions held, so a handler sees either no name or a whole one.
char temporaryPath[PATH_MAX];
volatile sig_atomic_t temporaryExists = 0;

int OpenFile(const char* path, int flags, mode_t mode) { return open(path, flags, mode); }

ReplacementCalls calls = SystemReplacementCalls();

FileReplaceResult Failure(int error) { return {false, SystemReason(error)}; }

// The start of every temporary file name process pid creates: a parent can find what a
// worker killed outright (no chance to report its file) left behind.
std::string TemporaryPrefixOf(long pid) { return kTemporaryFilePrefix + std::to_string(pid) + "-"; }

// A fresh name for the temporary file in folder: the process's own prefix, then six
// hexadecimal digits that differ from run to run and from try to try.
std::string TemporaryName(const std::string& folder, unsigned attempt) {
    static unsigned long long drawn = 0;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    drawn = (drawn ^ static_cast<unsigned long long>(now) ^ (static_cast<unsigned long long>(getpid()) << 20)) *
                6364136223846793005ULL +
            1442695040888963407ULL + attempt;
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "%06llx", (drawn >> 40) & 0xFFFFFF);
    return folder + "/" + TemporaryPrefixOf(getpid()) + suffix;
}

// 0666 less the umask: what a file created the ordinary way gets.
mode_t DefaultFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// A device or pipe cannot be renamed over: it gets the bytes directly. Opened without
// creating or truncating, and refused if the name turned into a file meanwhile.
FileReplaceResult WriteInPlace(const std::string& destination, const ContentWriter& contents) {
    const int fd = open(destination.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return Failure(errno);
    struct stat status {};
    FileReplaceResult result = fstat(fd, &status) != 0 ? Failure(errno) : FileReplaceResult{};
    if (result.ok && (S_ISREG(status.st_mode) || S_ISDIR(status.st_mode))) result = Failure(EEXIST);
    if (result.ok) result = WriteContents(fd, contents);
    if (close(fd) != 0 && result.ok) result = Failure(errno);
    return result;
}

// The exclusively created temporary file beside the destination; removed unless it was
// moved into place.
class TemporaryFile {
public:
    TemporaryFile(const std::string& destination, const ReplaceObserver& observer) {
        const std::string folder = ContainingFolder(destination);
        std::string name;
        SignalsHeld held;
        for (unsigned attempt = 0; fd_ < 0 && attempt < 100; ++attempt) {
            name = TemporaryName(folder, attempt);
            if (name.size() >= sizeof temporaryPath) {
                error_ = ENAMETOOLONG;
                return;
            }
            // Never an existing file, never through a link planted at the name.
            fd_ = calls.open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd_ < 0 && errno != EEXIST) break;
        }
        if (fd_ < 0) {
            error_ = errno;
            return;
        }
        std::memcpy(temporaryPath, name.c_str(), name.size() + 1);
        temporaryExists = 1;
        struct stat status {};
        if (observer.onCreated && fstat(fd_, &status) == 0) {
            observer.onCreated(name.substr(name.rfind('/') + 1), status.st_ino);
        }
    }

    ~TemporaryFile() {
        if (fd_ >= 0) calls.close(fd_);
        if (temporaryExists) {
            SignalsHeld held;
            RemoveTemporaryFileNow();
        }
    }

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int error() const { return error_; }

    // Writes the contents, gives the file the old one's owner and group where this
    // process may (root may; others keep their own) and its permission bits, flushes
    // to the disk and closes.
    FileReplaceResult Fill(const ContentWriter& contents, const struct stat* old, mode_t mode) {
        FileReplaceResult result = WriteContents(fd_, contents);
        if (result.ok && old != nullptr && fchown(fd_, old->st_uid, old->st_gid) != 0 && errno != EPERM) {
            result = Failure(errno);
        }
        if (result.ok && fchmod(fd_, mode) != 0) result = Failure(errno);
        if (result.ok && calls.fsync(fd_) != 0) result = Failure(errno);
        if (calls.close(fd_) != 0 && result.ok) result = Failure(errno);
        fd_ = -1;
        return result;
    }

    int MoveOver(const std::string& destination, const ReplaceObserver& observer) {
        SignalsHeld held;
        if (calls.rename(temporaryPath, destination.c_str()) != 0) return errno;
        temporaryExists = 0;
        if (observer.onReplaced) observer.onReplaced();
        return 0;
    }

private:
    int fd_ = -1;
    int error_ = 0;
};

}  // namespace

ReplacementCalls SystemReplacementCalls() { return {OpenFile, fsync, close, rename}; }

ReplacementCalls UseReplacementCalls(const ReplacementCalls& replacement) {
    const ReplacementCalls before = calls;
    calls = replacement;
    return before;
}

std::string ContainingFolder(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void RemoveTemporaryFileNow() {
    if (!temporaryExists) return;
    unlink(temporaryPath);
    temporaryExists = 0;
}

void ForgetTemporaryFile() { temporaryExists = 0; }

void RemoveLeftTemporaryFile(const std::string& path, unsigned long long inode) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && status.st_ino == inode) unlink(path.c_str());
}

void RemoveTemporaryFilesOf(const std::string& folder, long pid) {
    DIR* entries = opendir(folder.c_str());
    if (entries == nullptr) return;
    const std::string prefix = TemporaryPrefixOf(pid);
    while (const dirent* entry = readdir(entries)) {
        if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) != 0) continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat status {};
        if (lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == geteuid()) {
            unlink(path.c_str());
        }
    }
    closedir(entries);
}

FileReplaceResult ReplaceFileSafely(const std::string& destination, const ContentWriter& contents,
                                    const ReplaceObserver& observer) {
    const DestinationKind kind = KindOfDestination(destination);
    const std::string refusal = RefusalOf(kind);
    if (!refusal.empty()) return {false, refusal};
    if (kind == DestinationKind::kStream) {
        FileReplaceResult result = WriteInPlace(destination, contents);
        if (result.ok && observer.onReplaced) observer.onReplaced();
        return result;
    }
    // A link is replaced, not followed: the new file gets the default mode and owner, not the target's.
    struct stat old {};
    const bool replacesFile = kind == DestinationKind::kFile && lstat(destination.c_str(), &old) == 0;
    const mode_t mode = replacesFile ? (old.st_mode & 0777) : DefaultFileMode();
    TemporaryFile temporary(destination, observer);
    if (temporary.error() != 0) return Failure(temporary.error());
    const FileReplaceResult filled = temporary.Fill(contents, replacesFile ? &old : nullptr, mode);
    if (!filled.ok) return filled;
    const int error = temporary.MoveOver(destination, observer);
    return error == 0 ? FileReplaceResult{} : Failure(error);
}

FileReplaceResult ReplaceFileSafely(const std::string& destination, const std::vector<uint8_t>& bytes,
                                    const ReplaceObserver& observer) {
    const ContentWriter whole = [&](DescriptorWriter& out) {
        out.Write(bytes.data(), bytes.size());
        return std::string();
    };
    return ReplaceFileSafely(destination, whole, observer);
}

}  // namespace vorrith
