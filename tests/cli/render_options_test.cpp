#include "cli/options/render_options.h"

#include <gtest/gtest.h>

namespace vorrith {
namespace {

ParsedRenderOptions Parse(std::vector<std::string> arguments) { return ParseRenderOptions(arguments); }

std::vector<int> Numbers(const ParsedRenderOptions& parsed) {
    std::vector<int> numbers;
    parsed.options.imageNumbers.ForEach([&](int n) {
        numbers.push_back(n);
        return true;
    });
    return numbers;
}

TEST(RenderOptionsTest, NumbersAndRangesMergeIntoEachPictureOnce) {
    const auto parsed = Parse({"7", "100-103", "--out-dir", "pics"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(Numbers(parsed), (std::vector<int>{7, 100, 101, 102, 103}));
    EXPECT_EQ(*parsed.options.outputFolder, "pics");
    EXPECT_EQ(Numbers(Parse({"5-5"})), (std::vector<int>{5}));
    EXPECT_EQ(Numbers(Parse({"9", "3-5", "6", "1-2", "4-8", "8"})), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(Parse({"0-32767", "0-32767", "100"}).options.imageNumbers.Count(), 32768u);
    EXPECT_EQ(Numbers(Parse({"0", "000032767"})), (std::vector<int>{0, 32767}));
    EXPECT_EQ(Numbers(Parse({"--", "010"})), (std::vector<int>{10}));
}

TEST(RenderOptionsTest, BadNumbersAndRangesAreRefused) {
    for (const char* bad :
         {"32768", "abc", "12a", "", "100-", "7-3", "-5", "-1", "+5", "1e3", "0x10", "99999999999", "000099999"}) {
        EXPECT_NE(Parse({bad}).error, "") << bad;
    }
    EXPECT_NE(Parse({"100-"}).error.find("no end"), std::string::npos);
    EXPECT_NE(Parse({"7-3"}).error.find("backwards"), std::string::npos);
}

TEST(RenderOptionsTest, CombinationsThatCannotWork) {
    EXPECT_NE(Parse({}).error, "");
    EXPECT_NE(Parse({"-o", "a.bmp", "1", "2"}).error, "");
    EXPECT_NE(Parse({"-o", "a.bmp", "1-2"}).error, "");
    EXPECT_NE(Parse({"-o", "a.bmp", "1", "--random"}).error, "");
    EXPECT_NE(Parse({"-o"}).error, "");
    EXPECT_NE(Parse({"--frobnicate", "1"}).error, "");
    EXPECT_NE(Parse({"--describe", "40000"}).error, "");
    EXPECT_NE(Parse({"--describe", "1", "2"}).error, "");
    EXPECT_NE(Parse({"--jobs", "1", "--jobs", "2", "5"}).error, "");
    EXPECT_NE(Parse({"--out-dir", "", "5"}).error, "");
    EXPECT_EQ(Parse({"-o", "a.bmp", "1", "1-1"}).error, "");  // the same picture twice is one picture
    EXPECT_EQ(Parse({"--random", "--out-dir", "pics"}).error, "");
    EXPECT_TRUE(Parse({"--help"}).options.showHelp);
    EXPECT_EQ(*Parse({"--describe", "12345"}).options.describeNumber, 12345);
}

TEST(RenderOptionsTest, FormatFollowsTheNameOrTheOption) {
    EXPECT_EQ(Parse({"-o", "sky.PNG", "5"}).options.format, PictureFormat::kPng);
    EXPECT_EQ(Parse({"-o", "sky", "--format", "png", "5"}).options.format, PictureFormat::kPng);
    EXPECT_EQ(Parse({"-o", "sky.png", "--format", "png", "5"}).error, "");
    EXPECT_EQ(Parse({"-o", "sky", "5"}).options.format, PictureFormat::kBmp);
    EXPECT_EQ(Parse({"--sheet", "1-4", "-o", "sheet"}).options.format, PictureFormat::kPng);
}

}  // namespace
}  // namespace vorrith
