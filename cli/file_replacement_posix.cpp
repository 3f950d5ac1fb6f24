#include "cli/file_replacement_posix.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "cli/interruption.h"

namespace vorrith {
namespace {

// The temporary file of this process, for the signal handlers. Set and cleared with
// interruptions held, so a handler sees either no name or a whole one.
char temporaryPath[PATH_MAX];
volatile sig_atomic_t temporaryExists = 0;

FileReplaceResult Failure(int error) { return {false, std::strerror(error)}; }

int WriteBytes(int fd, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : EIO;
        done += static_cast<size_t>(written);
    }
    return 0;
}

// 0666 less the umask: what a file created the ordinary way gets.
mode_t DefaultFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// A device or pipe cannot be renamed over: it gets the bytes directly. Opened without
// creating or truncating, and refused if the name turned into a file meanwhile.
FileReplaceResult WriteInPlace(const std::string& destination, const std::vector<uint8_t>& bytes) {
    const int fd = open(destination.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return Failure(errno);
    struct stat status {};
    int error = fstat(fd, &status) != 0 ? errno : 0;
    if (error == 0 && (S_ISREG(status.st_mode) || S_ISDIR(status.st_mode))) error = EEXIST;
    if (error == 0) error = WriteBytes(fd, bytes);
    if (close(fd) != 0 && error == 0) error = errno;
    return error == 0 ? FileReplaceResult{} : Failure(error);
}

// The exclusively created temporary file beside the destination; removed unless it was
// moved into place.
class TemporaryFile {
public:
    TemporaryFile(const std::string& destination, const ReplaceObserver& observer) {
        std::string name = ContainingFolder(destination) + "/" + kTemporaryFilePrefix + "XXXXXX";
        if (name.size() >= sizeof temporaryPath) {
            error_ = ENAMETOOLONG;
            return;
        }
        SignalsHeld held;
        fd_ = mkostemp(name.data(), O_CLOEXEC);  // O_CREAT | O_EXCL: no existing file, no link followed
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
        if (fd_ >= 0) close(fd_);
        if (temporaryExists) {
            SignalsHeld held;
            RemoveTemporaryFileNow();
        }
    }

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int error() const { return error_; }

    // Writes, sets the permission bits, flushes to the disk and closes.
    int Fill(const std::vector<uint8_t>& bytes, mode_t mode) {
        int error = WriteBytes(fd_, bytes);
        if (error == 0 && fchmod(fd_, mode) != 0) error = errno;
        if (error == 0 && fsync(fd_) != 0) error = errno;
        if (close(fd_) != 0 && error == 0) error = errno;
        fd_ = -1;
        return error;
    }

    int MoveOver(const std::string& destination, const ReplaceObserver& observer) {
        SignalsHeld held;
        if (rename(temporaryPath, destination.c_str()) != 0) return errno;
        temporaryExists = 0;
        if (observer.onReplaced) observer.onReplaced();
        return 0;
    }

private:
    int fd_ = -1;
    int error_ = 0;
};

}  // namespace

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

void RemoveLeftTemporaryFile(const std::string& path, unsigned long long inode) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && status.st_ino == inode) unlink(path.c_str());
}

FileReplaceResult ReplaceFileSafely(const std::string& destination, const std::vector<uint8_t>& bytes,
                                    const ReplaceObserver& observer) {
    struct stat old {};
    const bool exists = lstat(destination.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return Failure(EISDIR);
    if (exists && !S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode)) {
        FileReplaceResult result = WriteInPlace(destination, bytes);
        if (result.ok && observer.onReplaced) observer.onReplaced();
        return result;
    }
    // A link is replaced, not followed: the new file gets the default mode, not the target's.
    const mode_t mode = exists && S_ISREG(old.st_mode) ? (old.st_mode & 0777) : DefaultFileMode();
    TemporaryFile temporary(destination, observer);
    if (temporary.error() != 0) return Failure(temporary.error());
    int error = temporary.Fill(bytes, mode);
    if (error == 0) error = temporary.MoveOver(destination, observer);
    return error == 0 ? FileReplaceResult{} : Failure(error);
}

}  // namespace vorrith
