// The safe file replacement of core/file_replacement.h with POSIX calls: mkostemp in the
// destination's folder, the contents written band by band, fchmod, fsync, close, rename.
#pragma once

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

// Removes a temporary file left by a process that died, if it is still the one that
// process created (same inode); the name of anything else is left alone.
void RemoveLeftTemporaryFile(const std::string& path, unsigned long long inode);

// Removes the temporary file being written, if any. Async-signal-safe: for the handlers
// that end an interrupted process.
void RemoveTemporaryFileNow();

// The folder a path names a file in: "." for a bare name.
std::string ContainingFolder(const std::string& path);

}  // namespace vorrith
