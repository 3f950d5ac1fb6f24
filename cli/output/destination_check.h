// Checks, before anything is drawn, that pictures can be written where they are to go,
// so a batch fails at once with the system's reason rather than after its first picture.
#pragma once

#include <string>

#include "cli/options/render_options.h"

namespace vorrith {

// Why the pictures asked for cannot go where they are to go, or "": the problem of -o's
// path or of the output folder, or a picture that would be written to a terminal.
std::string PicturesDestinationProblem(const RenderOptions& options);

// Why no file can be written at path ("" when it can be tried): a missing or unwritable
// folder, a folder in the file's place, a name or path too long for the system.
std::string DestinationProblem(const std::string& path);

// Why no picture can be written into folder under its default name, or "".
std::string OutputFolderProblem(const std::string& folder);

}  // namespace vorrith
