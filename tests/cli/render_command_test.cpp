// The renderer as a user runs it: files written, errors refused before anything is
// written, failed writes leaving nothing behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/cli/render_runner.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

using vorrith::RunRender;

size_t FileCount(const fs::path& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

std::string ReadAll(const fs::path& path) { return vorrith::ReadWholeFile(path); }

class RenderCommandTest : public ::testing::Test {
protected:
    vorrith::ScratchFolder scratch{"render"};
    const fs::path folder = scratch.path();
};

TEST_F(RenderCommandTest, WritesNamedFilesAndTheSameBytesEachTime) {
    ASSERT_EQ(RunRender("12345", folder).exitCode, 0);
    ASSERT_EQ(fs::file_size(folder / "Vorrith12345.Bmp"), 921654u);
    fs::create_directories(folder / "batch");
    ASSERT_EQ(RunRender("--out-dir batch 7 12345 3-4", folder).exitCode, 0);
    EXPECT_EQ(FileCount(folder / "batch"), 4u);
    EXPECT_EQ(ReadAll(folder / "batch" / "Vorrith12345.Bmp"), ReadAll(folder / "Vorrith12345.Bmp"));
    ASSERT_EQ(RunRender("-o named.bmp 7", folder).exitCode, 0);
    EXPECT_EQ(ReadAll(folder / "named.bmp"), ReadAll(folder / "batch" / "Vorrith7.Bmp"));
}

TEST_F(RenderCommandTest, RandomPrintsTheNumberItDrew) {
    const auto result = RunRender("--random", folder);
    ASSERT_EQ(result.exitCode, 0);
    const int number = std::stoi(result.output);
    EXPECT_GE(number, 0);
    EXPECT_LE(number, 32767);
    EXPECT_TRUE(fs::exists(folder / ("Vorrith" + std::to_string(number) + ".Bmp")));
}

TEST_F(RenderCommandTest, DescribePrintsThePlan) {
    const auto result = RunRender("--describe 12345", folder);
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_NE(result.output.find("scene type: 3 (sea)"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("horizon row: 354"), std::string::npos);
    EXPECT_NE(result.output.find("layer choice: 0"), std::string::npos);
    EXPECT_EQ(FileCount(folder), 0u);
}

TEST_F(RenderCommandTest, BadInputWritesNothing) {
    std::ofstream(folder / "regular") << "x";
    for (const char* arguments : {"32768", "abc", "100-", "7-3", "-o x.bmp 1 2", "--out-dir nowhere 1",
                                  "-o regular/x.bmp 1", "-o nowhere/x.bmp 1", "1 banana"}) {
        const auto result = RunRender(arguments, folder);
        EXPECT_NE(result.exitCode, 0) << arguments;
        EXPECT_NE(result.output.find("error"), std::string::npos) << arguments;
        EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << result.output;
        EXPECT_EQ(FileCount(folder), 1u) << arguments;
    }
}

TEST_F(RenderCommandTest, FailedWriteKeepsTheOldFileAndLeavesNoPartialOne) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const auto result = RunRender("-o /dev/full 5", folder);
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(fs::exists("/dev/full"));
    std::ofstream(folder / "Vorrith5.Bmp") << "old picture";
    fs::create_directories(folder / "Vorrith6.Bmp");  // a folder cannot be replaced: the write fails
    // One process, so picture 5 is written before 6 fails and stops the batch.
    EXPECT_NE(RunRender("--jobs 1 5 6", folder).exitCode, 0);
    EXPECT_EQ(fs::file_size(folder / "Vorrith5.Bmp"), 921654u);
    EXPECT_TRUE(fs::is_directory(folder / "Vorrith6.Bmp"));
    EXPECT_EQ(vorrith::LeftoverFiles(folder), "Vorrith6.Bmp ");
}

}  // namespace

namespace {

TEST_F(RenderCommandTest, WorkerProcessesWriteTheSamePicturesAsOneProcess) {
    fs::create_directories(folder / "one");
    fs::create_directories(folder / "two");
    ASSERT_EQ(RunRender("--jobs 1 --out-dir one 40-45", folder).exitCode, 0);
    ASSERT_EQ(RunRender("--jobs 2 --out-dir two 40-45", folder).exitCode, 0);
    for (int n = 40; n <= 45; ++n) {
        const std::string name = "Vorrith" + std::to_string(n) + ".Bmp";
        EXPECT_EQ(ReadAll(folder / "one" / name), ReadAll(folder / "two" / name)) << name;
    }
    EXPECT_EQ(FileCount(folder / "two"), 6u);
}

TEST_F(RenderCommandTest, AFailingWorkerStopsTheBatchWithOneErrorAndNoPartialFiles) {
    fs::create_directories(folder / "Vorrith3.Bmp");  // makes picture 3 fail
    const auto result = RunRender("--jobs 2 1-40", folder);
    EXPECT_NE(result.exitCode, 0);
    EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << result.output;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            EXPECT_EQ(entry.file_size(), 921654u) << entry.path();
        }
    }
    EXPECT_EQ(vorrith::LeftoverFiles(folder), "Vorrith3.Bmp ");
    EXPECT_LT(FileCount(folder), 41u);
}

}  // namespace
