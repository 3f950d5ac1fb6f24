// The command line of vorrith-render, parsed and checked before anything is drawn.
//
//   vorrith-render [--out-dir DIR] [--jobs N] NUMBER|FIRST-LAST ...   one file per picture
//   vorrith-render -o PATH NUMBER                          one picture, named file
//   vorrith-render --random [-o PATH | --out-dir DIR]      a number from the clock
//   vorrith-render --describe NUMBER                       print the scene plan
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vorrith {

struct RenderOptions {
    std::vector<int> imageNumbers;  // in the order given, ranges expanded
    bool randomImage = false;
    std::optional<std::string> outputPath;  // -o
    std::string outputFolder = ".";         // --out-dir
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

// Parses a decimal image number 0 ... 32767: digits only, nothing else.
std::optional<int> ParseImageNumber(const std::string& text);

// "Vorrith12345.Bmp", the name a picture gets unless -o names it.
std::string DefaultPictureName(int imageNumber);

extern const char* const kRenderUsage;

}  // namespace vorrith
