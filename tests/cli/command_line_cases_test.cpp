// The renderer's command line as careless users type it: every row is a way its promise
// (one-line errors that tell the truth, each picture once, usable exit codes) was once
// found broken, grouped by the part of that promise it checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "tests/cli/render_runner.h"
#include "tests/support/scratch_folder.h"

namespace vorrith {
namespace {

#if defined(__SANITIZE_ADDRESS__)
const char* const kSmallMemory = "";  // the sanitizer reserves far more address space
const char* const kSheetMemory = "";
#else
const char* const kSmallMemory = "ulimit -v 400000;";
const char* const kSheetMemory = "ulimit -v 200000;";  // less than the whole sheet's pixels
#endif

// What a row checks: the part of the promise it guards.
const char* const kEachPictureOnce = "a picture named more than once is drawn once";
const char* const kBoundedMemory = "a list of any length is read, a sheet of any size made, in little memory";
const char* const kLongNames = "a name too long for the system is refused with its reason";
const char* const kOutputFailure = "a failed write to the standard output is a failure";
const char* const kOneTrueLine = "each error is one line, escaped, with the system's reason";
const char* const kOptionsChecked = "repeated and contradicting options are refused, naming both";
const char* const kDescribeSaysWhy = "--describe says why the planet is not drawn";
const char* const kPictureFiles = "PNG, sizes and sheets: bad values refused, the README's lines work";

struct CommandCase {
    const char* promise;
    std::string before;     // shell words run first, in the scratch folder
    std::string arguments;  // shell words after the program
    int exitCode;
    std::vector<std::string> expected;  // each must be in the output
    int lines = 1;                      // output lines (a terminal's progress counts none)
    std::string absent = "\x01";        // must not be in the output
};

const std::string kLongName = "$(printf 'x%.0s' $(seq 300))";

std::vector<CommandCase> Cases() {
    return {
        {kEachPictureOnce, "", "--dry-run --verbose 5 5 1-5 3-8", 0, {"drawing 5\n", "drawing 8\n"}, 8},
        {kBoundedMemory, kSmallMemory, "--out-dir nowhere $(yes 0-32767 | head -n 4000)", 1, {"'nowhere'"}},
        {kBoundedMemory,
         kSheetMemory,
         "--sheet 0-139 --thumb 640 --columns 14 -o s.png && od -An -tx1 -j16 -N8 s.png",
         0,
         {" 00 00 24 e0 00 00 16 50\n"}},
        {kLongNames, "", "-o " + kLongName + " 5", 1, {"File name too long"}},
        {kLongNames, "", "-o " + kLongName + "/" + kLongName + "/x.bmp 5", 1, {"File name too long"}},
        {kOutputFailure, "", "--describe 5 >/dev/full", 1, {"No space left on device"}},
        {kOutputFailure, "", "--random >/dev/full", 1, {"No space left on device"}},
        {kOutputFailure, "", "--help >/dev/full", 1, {"help to the standard output: No space left on device"}},
        {kOneTrueLine, "", "\"$(printf '5\\n6')\"", 2, {"'5\\n6'"}},
        {kOneTrueLine, "", "-o /dev/full 5", 1, {"'/dev/full': No space left on device"}},
        {kOneTrueLine, "touch plain;", "-o plain/x.bmp 5", 1, {"Not a directory"}},
        // On a terminal the error line starts a line of its own, not the progress line's end.
        {kOneTrueLine,
         "mkdir Vorrith3.Bmp; script -qec \"",
         "--jobs 1 1-3\" /dev/null",
         1,
         {"\nvorrith-render: error"},
         2,
         "picturesvorrith"},
        {kOptionsChecked, "", "-o a.bmp -o b.bmp 5", 2, {"'a.bmp'", "'b.bmp'"}},
        {kOptionsChecked, "", "-o a.bmp --out-dir . 5", 2, {"-o 'a.bmp'", "--out-dir '.'"}},
        {kOptionsChecked, "", "--random 5", 2, {"--random", "'5'"}},
        {kOptionsChecked, "", "--describe 5 --describe 6", 2, {"'5'", "'6'"}},
        {kOptionsChecked, "", "--describe 5 --out-dir .", 2, {"--describe", "--out-dir"}},
        {kOptionsChecked, "", "--describe 5 --filter nearest", 2, {"--describe '5'", "--filter 'nearest'"}},
        {kOptionsChecked, "", "-o '' 5", 2, {"-o"}},
        {kOptionsChecked, "", "-o x.bmp -- 5", 0, {}, 0},
        {kOptionsChecked, "", "--describe 000005", 0, {"image number: 5\n"}, 17},
        {kDescribeSaysWhy, "", "--describe 32767", 0, {"planet: not drawn (layer choice 2"}, 17},
        {kPictureFiles, "", "--size 0x100 5", 2, {"'0x100'"}},
        {kPictureFiles, "", "--size 16385x100 5", 2, {"'16385x100'"}},
        {kPictureFiles, "", "--format gif 5", 2, {"'gif'"}},
        {kPictureFiles, "", "--size 99x99 --filter cubic 5", 2, {"'cubic'"}},
        {kPictureFiles, "", "--fill 5", 2, {"--fill needs --size"}},
        {kPictureFiles, "", "-o x.bmp --format png 5", 2, {"-o 'x.bmp'", "--format 'png'"}},
        {kPictureFiles, "", "--sheet 0-5", 2, {"--sheet needs -o"}},
        {kPictureFiles, "", "--sheet 0-5 -o s.png --size 99x99", 2, {"--sheet '0-5'", "--size '99x99'"}},
        {kPictureFiles, "", "--sheet 0-5 -o s.bmp", 2, {"always PNG"}},
        {kPictureFiles, "", "-o pic.jpg 5", 2, {"'.jpg' is neither .bmp nor .png"}},
        {kPictureFiles, "", "--sheet 0-5 -o s.JPG", 2, {"'.JPG' is neither"}},
        {kPictureFiles, "", "-o pic.jpg --format bmp 5 && od -An -c -N2 pic.jpg", 0, {"B   M"}},
        {kPictureFiles, "", "--sheet 0-5,x -o s.png", 2, {"'x'"}},
        {kPictureFiles, "", "--sheet 0-32767 --columns 1 -o s.png", 2, {"on a side"}},
        {kPictureFiles, "", "--thumb 20 --sheet 0-5 -o s.png", 2, {"'20'"}},
        {kPictureFiles, "", "--sheet 0-5 -o /dev/full", 1, {"'/dev/full': No space left on device"}},
        {kPictureFiles, "", "--format png -o - 5 >/dev/full", 1, {"the standard output: No space left on device"}},
        {kPictureFiles, "script -qec \"", "-o - 5\" /dev/null", 1, {"terminal"}},
        {kPictureFiles, "", "--random --format png -o - >/dev/null", 0, {"image number "}},
        // The README's own lines; od shows the PNG's width and height in hex.
        {kPictureFiles, "", "12345 -o x.png && od -An -tx1 -j16 -N8 x.png", 0, {" 00 00 02 80 00 00 01 e0\n"}},
        {kPictureFiles,
         "",
         "--size 3840x2160 -o w.png 7 && od -An -tx1 -j16 -N8 w.png",
         0,
         {" 00 00 0f 00 00 00 08 70\n"}},
        {kPictureFiles, "", "--sheet 0-63 -o s.png && od -An -tx1 -j16 -N8 s.png", 0, {" 00 00 05 48 00 00 04 c0\n"}},
    };
}

TEST(CommandLineCasesTest, EachErrorIsOneTrueLine) {
    for (const CommandCase& row : Cases()) {
        ScratchFolder scratch("command");
        const RenderRun run = RunRender(row.arguments, scratch.path(), row.before);
        const std::string label = std::string(row.promise) + ": " + row.arguments + "\n" + run.output;
        EXPECT_EQ(run.exitCode, row.exitCode) << label;
        for (const std::string& text : row.expected) EXPECT_NE(run.output.find(text), std::string::npos) << label;
        EXPECT_EQ(run.output.find(row.absent), std::string::npos) << label;
        EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), row.lines) << label;
        if (row.exitCode == 2) {
            EXPECT_TRUE(std::filesystem::is_empty(scratch.path())) << label;  // nothing drawn or written
        }
    }
}

}  // namespace
}  // namespace vorrith
