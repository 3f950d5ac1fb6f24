// The renderer's command line as careless users type it: every row is a way its promise
// (one-line errors that tell the truth, each picture once, usable exit codes) was found
// broken, numbered as in the report that found them (17: pictures to keep and share, where
// bad values and contradictions are refused before anything is drawn).
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
#else
const char* const kSmallMemory = "ulimit -v 400000;";
#endif

struct CommandCase {
    int failure;            // the numbered failure this row guards against
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
        {2, "", "--dry-run --verbose 5 5 1-5 3-8", 0, {"drawing 5\n", "drawing 8\n"}, 8},
        {5, kSmallMemory, "--out-dir nowhere $(yes 0-32767 | head -n 4000)", 1, {"'nowhere'"}},
        {6, "", "-o " + kLongName + " 5", 1, {"File name too long"}},
        {6, "", "-o " + kLongName + "/" + kLongName + "/x.bmp 5", 1, {"File name too long"}},
        {8, "", "--describe 5 >/dev/full", 1, {"No space left on device"}},
        {8, "", "--random >/dev/full", 1, {"No space left on device"}},
        {9, "", "\"$(printf '5\\n6')\"", 2, {"'5\\n6'"}},
        {9, "", "-o /dev/full 5", 1, {"'/dev/full': No space left on device"}},
        {9, "touch plain;", "-o plain/x.bmp 5", 1, {"Not a directory"}},
        // On a terminal the error line starts a line of its own, not the progress line's end.
        {9, "mkdir Vorrith3.Bmp; script -qec \"", "--jobs 1 1-3\" /dev/null", 1, {"\nvorrith-render: error"}, 2,
         "picturesvorrith"},
        {10, "", "-o a.bmp -o b.bmp 5", 2, {"'a.bmp'", "'b.bmp'"}},
        {10, "", "-o a.bmp --out-dir . 5", 2, {"-o 'a.bmp'", "--out-dir '.'"}},
        {10, "", "--random 5", 2, {"--random", "'5'"}},
        {10, "", "--describe 5 --describe 6", 2, {"'5'", "'6'"}},
        {10, "", "--describe 5 --out-dir .", 2, {"--describe", "--out-dir"}},
        {10, "", "-o '' 5", 2, {"-o"}},
        {10, "", "-o x.bmp -- 5", 0, {}, 0},
        {10, "", "--describe 000005", 0, {"image number: 5\n"}, 16},
        {12, "", "--describe 32767", 0, {"planet: not drawn (layer choice 2"}, 16},
        {17, "", "--size 0x100 5", 2, {"'0x100'"}},
        {17, "", "--size 16385x100 5", 2, {"'16385x100'"}},
        {17, "", "--format gif 5", 2, {"'gif'"}},
        {17, "", "--size 99x99 --filter cubic 5", 2, {"'cubic'"}},
        {17, "", "--fill 5", 2, {"--fill needs --size"}},
        {17, "", "-o x.bmp --format png 5", 2, {"-o 'x.bmp'", "--format 'png'"}},
        {17, "", "--sheet 0-5", 2, {"--sheet needs -o"}},
        {17, "", "--sheet 0-5 -o s.png --size 99x99", 2, {"--sheet '0-5'", "--size '99x99'"}},
        {17, "", "--sheet 0-5 -o s.bmp", 2, {"always PNG"}},
        {17, "", "--sheet 0-5,x -o s.png", 2, {"'x'"}},
        {17, "", "--sheet 0-32767 --columns 1 -o s.png", 2, {"on a side"}},
        {17, "", "--thumb 20 --sheet 0-5 -o s.png", 2, {"'20'"}},
        {17, "", "--sheet 0-5 -o /dev/full", 1, {"'/dev/full': No space left on device"}},
        {17, "", "--format png -o - 5 >/dev/full", 1, {"the standard output: No space left on device"}},
        {17, "script -qec \"", "-o - 5\" /dev/null", 1, {"terminal"}},
        {17, "", "--random --format png -o - >/dev/null", 0, {"image number "}},
        // The README's own lines; od shows the PNG's width and height in hex.
        {17, "", "12345 -o x.png && od -An -tx1 -j16 -N8 x.png", 0, {" 00 00 02 80 00 00 01 e0\n"}},
        {17, "", "--size 3840x2160 -o w.png 7 && od -An -tx1 -j16 -N8 w.png", 0, {" 00 00 0f 00 00 00 08 70\n"}},
        {17, "", "--sheet 0-63 -o s.png && od -An -tx1 -j16 -N8 s.png", 0, {" 00 00 05 48 00 00 04 c0\n"}},
    };
}

TEST(CommandLineCasesTest, EachErrorIsOneTrueLine) {
    for (const CommandCase& row : Cases()) {
        ScratchFolder scratch("command");
        const RenderRun run = RunRender(row.arguments, scratch.path(), row.before);
        const std::string label = "failure " + std::to_string(row.failure) + ": " + row.arguments + "\n" + run.output;
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
