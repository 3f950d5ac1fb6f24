// The command line of vorrith-render, parsed and checked before anything is drawn.
//
//   vorrith-render [--out-dir DIR] [--jobs N] NUMBER|FIRST-LAST ...   one file per picture
//   vorrith-render -o PATH NUMBER                          one picture, named file
//   vorrith-render --random [-o PATH | --out-dir DIR]      a number from the clock
//   vorrith-render --describe NUMBER                       print the scene plan
//
// "--" ends the options. Options that contradict each other, or one given twice, are
// refused with a message naming both.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/image_number_set.h"

namespace vorrith {

struct RenderOptions {
    ImageNumberSet imageNumbers;  // each picture once, ranges kept as ranges
    bool randomImage = false;
    std::optional<std::string> outputPath;    // -o
    std::optional<std::string> outputFolder;  // --out-dir; the current folder when absent
    std::optional<int> describeNumber;
    int jobs = 0;  // worker processes for a batch; 0: one per core
    bool showHelp = false;
    bool dryRun = false;   // draw every picture but write nothing (sweeps, timing)
    bool verbose = false;  // name each image number on stderr before drawing it
};

struct ParsedRenderOptions {
    RenderOptions options;
    std::string error;  // empty when the command line is valid
};

ParsedRenderOptions ParseRenderOptions(const std::vector<std::string>& arguments);

// Parses a decimal image number 0 ... 32767: digits only, any count of leading zeros.
std::optional<int> ParseImageNumber(const std::string& text);

extern const char* const kRenderUsage;

}  // namespace vorrith
