// The command line of vorrith-render, parsed and checked before anything is drawn.
//
//   vorrith-render [--out-dir DIR] [--jobs N] NUMBER|FIRST-LAST ...   one file per picture
//   vorrith-render -o PATH NUMBER                          one picture, named file
//   vorrith-render --random [-o PATH | --out-dir DIR]      a number from the clock
//   vorrith-render --describe NUMBER                       print the scene plan
//   vorrith-render --sheet LIST -o FILE.png                thumbnails of many pictures
//
// Pictures are BMP unless a .png destination or --format png asks for PNG; -o - writes
// the one picture to the standard output. --size WxH resamples to a wallpaper size.
//
// "--" ends the options. Options that contradict each other, or one given twice, are
// refused with a message naming both. Each option is a row of options/option_table.cpp;
// the rules between them are options/option_rules.cpp.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/options/image_number_set.h"
#include "cli/sheets/sheet_layout.h"
#include "present/picture_placement.h"
#include "present/resampling_weights.h"

namespace vorrith {

enum class PictureFormat { kBmp, kPng };

constexpr char kStandardOutputName[] = "-";

struct RenderOptions {
    ImageNumberSet imageNumbers;  // each picture once, ranges kept as ranges
    bool randomImage = false;
    std::optional<std::string> outputPath;    // -o
    std::optional<std::string> outputFolder;  // --out-dir; the current folder when absent
    std::optional<int> describeNumber;
    int jobs = 0;  // worker processes for a batch; 0: one per core
    bool showHelp = false;
    bool dryRun = false;                         // draw every picture but write nothing (sweeps, timing)
    bool verbose = false;                        // name each image number on stderr before drawing it
    PictureFormat format = PictureFormat::kBmp;  // resolved from --format and -o's name
    std::optional<PictureSize> size;             // --size; the picture's own when absent
    FitMode fitMode = FitMode::kFit;
    ScaleFilter filter = ScaleFilter::kSmooth;
    bool sheet = false;             // sheetNumbers are the thumbnails of one contact sheet
    std::vector<int> sheetNumbers;  // in the order given, repeats kept
    int sheetColumns = 0;           // 0: as many as make the sheet roughly square
    int thumbWidth = kDefaultThumbWidth;
};

// True when the one picture goes to the standard output (-o -).
bool WritesToStandardOutput(const RenderOptions& options);

struct ParsedRenderOptions {
    RenderOptions options;
    std::string error;  // empty when the command line is valid
};

ParsedRenderOptions ParseRenderOptions(const std::vector<std::string>& arguments);

}  // namespace vorrith
