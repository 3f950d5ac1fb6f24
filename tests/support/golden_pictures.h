// Recorded finished pictures (tests/data/golden, one per scene type) and what a test
// writes when the canvas differs from one: the actual picture and a diff image
// (differing pixels red, the rest a dimmed copy of the actual picture), in the test
// build folder, so that a regression is looked at and not only counted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/surface.h"

namespace vorrith {

struct GoldenPicture {
    int imageNumber;
    std::string kind;
};

// The list in tests/data/golden/pictures.txt, which tools/record-goldens.sh records from;
// empty, with the reason on stderr, when it cannot be read.
const std::vector<GoldenPicture>& GoldenPictures();

bool HasGoldenPicture(int imageNumber);
std::string GoldenPath(int imageNumber);
// A file in the test build folder, named after what it shows.
std::string TestOutputPath(const std::string& name);

// The canvas-sized pixel rows of a recorded BMP, top row first; empty if unreadable.
std::vector<uint8_t> ReadGoldenRows(const std::string& path);

// Counts the canvas pixels that differ from golden rows; when any do, writes the canvas
// as PREFIX-actual.bmp and the diff image as PREFIX-diff.bmp.
int CompareCanvasWithRows(const std::vector<uint8_t>& golden, const std::string& prefix);

// Writes a Surface as a BMP file for a person to look at; a failure is not reported.
void WriteTestBmp(const Surface& surface, const std::string& path);

}  // namespace vorrith
