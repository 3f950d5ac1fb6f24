// Where the timer's service finds this program. A build folder is no stable place (a
// rebuild or a clean removes what is there), so a program run from one is copied to
// ~/.local/bin first; anywhere else it stays where it is.
#pragma once

#include <string>

#include "wallpaper/program_runner.h"

namespace vorrith {

struct StableProgram {
    std::string path;   // absolute
    std::string error;  // the one-line message when it could not be found or copied
};

// The running program's path, or its copy in home/.local/bin when it runs from a
// build folder (a folder holding CMakeCache.txt). A dry run copies nothing.
StableProgram StableProgramPath(const std::string& home, const ToolRunner& runner);

}  // namespace vorrith
