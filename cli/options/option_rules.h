// The rules between options, checked once the whole command line is read: options that
// contradict each other, options that mean something only beside another, what -o and a
// sheet need, and the format that -o's name and --format settle on together.
#pragma once

#include <string>

#include "cli/options/given_options.h"
#include "cli/options/render_options.h"

namespace vorrith {

// An error message naming both sides of a conflict, or "". Sets what follows from the
// combination: the format of a named file or a sheet.
std::string CheckCombination(const GivenOptions& given, RenderOptions& options);

}  // namespace vorrith
