// The safe file replacement of core/file_replacement.h with POSIX calls: a temporary file
// made exclusively in the destination's folder, the contents written band by band,
// fchown, fchmod, fsync, close, rename. What the destination leads to decides first (see
// destination_kind.h): a device is written directly, a directory or read-only file refused.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/file_replacement.h"
#include "posix/descriptor_writer.h"

namespace vorrith {

// What a caller may want to hear, each with interruptions held off so its record stays
// true: the temporary file's name (in the destination's folder) and inode once it exists,
// so that it can be removed if this process dies; the moment the new file took the
// destination's place.
struct ReplaceObserver {
    std::function<void(const std::string& temporaryName, unsigned long long inode)> onCreated;
    std::function<void()> onReplaced;
};

// Replaces destination with what contents produces. A failure of contents, like one of
// the system, leaves the destination as it was and carries its cause.
FileReplaceResult ReplaceFileSafely(const std::string& destination, const ContentWriter& contents,
                                    const ReplaceObserver& observer = {});
// The same for contents already whole in memory.
FileReplaceResult ReplaceFileSafely(const std::string& destination, const std::vector<uint8_t>& bytes,
                                    const ReplaceObserver& observer = {});

// The calls whose order keeps the promise, replaceable so a test can see that order.
struct ReplacementCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
};
// The system's own calls.
ReplacementCalls SystemReplacementCalls();
// From now on the replacement makes these calls; returns the ones it made before.
ReplacementCalls UseReplacementCalls(const ReplacementCalls& calls);

// Removes a temporary file left by a process that died, if it is still the one that
// process created (same inode); the name of anything else is left alone.
void RemoveLeftTemporaryFile(const std::string& path, unsigned long long inode);

// Removes every temporary file in folder that process pid created (its names carry the
// pid) and left: for a process killed before it could report its file. Only our own
// regular files are removed, and only once pid has ended.
void RemoveTemporaryFilesOf(const std::string& folder, long pid);

// Removes the temporary file being written, if any. Async-signal-safe: for the handlers
// that end an interrupted process.
void RemoveTemporaryFileNow();

// In a child forked while its parent writes a file (a sheet's workers): the parent's
// temporary file is not the child's to remove when the child is interrupted.
void ForgetTemporaryFile();

// The folder a path names a file in: "." for a bare name.
std::string ContainingFolder(const std::string& path);

}  // namespace vorrith
