// The file types the configuration dialog's Save As offers, in the form the system's
// save dialog reads: NUL-ended strings in pairs of a display name that shows its
// pattern and a pattern "*.EXT", ended by an empty string.
#pragma once

namespace vorrith {

constexpr char kBmpFileFilter[] = "Windows BMP File (*.BMP)\0*.BMP\0";

}  // namespace vorrith
