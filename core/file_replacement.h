// The promise every program keeps when it stores a file's bytes under a name that may
// already exist. It is stated here because core is the one library below all who meet
// it: posix/ keeps it with POSIX calls (for the renderer and the Linux programs, also
// with the bytes produced band by band), win32/ with Win32 ones, and the saver's
// portable picture browser is handed either as a ReplaceFileFunction. Core only states
// the promise; it implements none of it.
//
// ReplaceFileFunction(destination, bytes):
//  - The bytes go to a temporary file in the destination's folder, created exclusively:
//    it never opens an existing file and never follows a link planted at its own name.
//    Its name is short and unique (kTemporaryFilePrefix and a few characters; on POSIX
//    the creating process's id among them), so every legal destination name works,
//    however long.
//  - The temporary file is written, flushed to the disk and closed, takes the permission
//    bits of the file it replaces (a new file gets the platform's default), and is then
//    renamed over the destination in one step. Anyone opening the destination sees the
//    old file or the new one, each whole, never a mix; of two writers racing for one
//    name, one complete file remains.
//  - A symbolic link at the destination is replaced by the new file, not followed.
//  - A destination that is a device or a pipe cannot be renamed over and is written
//    directly.
//  - If any step fails, the destination is exactly as it was, the temporary file is gone,
//    and the result carries the system's reason. A file the writer did not create is
//    never removed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorrith {

struct FileReplaceResult {
    bool ok = true;
    std::string reason;  // when !ok: the system's own words, such as "No space left on device"
};

using ReplaceFileFunction = FileReplaceResult (*)(const std::string& destination, const std::vector<uint8_t>& bytes);

// Temporary files start with this, so a user can tell a leftover of a crashed run
// (a power cut, a killed process) from anything of their own.
constexpr char kTemporaryFilePrefix[] = ".vorrith-";

}  // namespace vorrith
