// What a name given as a destination leads to, and so how a file is stored there. The
// name itself is looked at without following a link (a planted link must not make this
// process replace the file it points to), and what it leads to with stat(), which also
// sees through the descriptor links of /dev/fd and /proc/self/fd.
#pragma once

#include <string>

namespace vorrith {

enum class DestinationKind {
    kNothing,       // no such name yet: a new file is made
    kFile,          // a regular file, replaced whole
    kReadOnlyFile,  // a regular file whose permission bits grant no write: refused
    kLink,          // a link to a regular file or to nothing: the link is replaced, not followed
    kDirectory,     // a directory, or a link to one: refused
    kStream,        // a device, pipe or socket, or a link to one: written directly
};

DestinationKind KindOfDestination(const std::string& path);

// Why nothing may be stored at a destination of this kind, or "".
std::string RefusalOf(DestinationKind kind);

}  // namespace vorrith
