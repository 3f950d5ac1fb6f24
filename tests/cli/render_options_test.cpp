#include "cli/render_options.h"

#include <gtest/gtest.h>

namespace vorrith {
namespace {

ParsedRenderOptions Parse(std::vector<std::string> arguments) { return ParseRenderOptions(arguments); }

TEST(RenderOptionsTest, NumbersAndRangesExpandInOrder) {
    const auto parsed = Parse({"7", "100-103", "--out-dir", "pics"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.imageNumbers, (std::vector<int>{7, 100, 101, 102, 103}));
    EXPECT_EQ(parsed.options.outputFolder, "pics");
    EXPECT_EQ(Parse({"5-5"}).options.imageNumbers, (std::vector<int>{5}));
    EXPECT_EQ(Parse({"0", "32767"}).error, "");
}

TEST(RenderOptionsTest, BadNumbersAndRangesAreRefused) {
    for (const char* bad : {"32768", "abc", "12a", "", "100-", "7-3", "-5", "-1", "+5", "1e3", "0x10", "99999999999"}) {
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
    EXPECT_EQ(Parse({"-o", "a.bmp", "1"}).error, "");
    EXPECT_EQ(Parse({"--random"}).error, "");
    EXPECT_TRUE(Parse({"--help"}).options.showHelp);
    EXPECT_EQ(*Parse({"--describe", "12345"}).options.describeNumber, 12345);
}

TEST(RenderOptionsTest, DefaultName) { EXPECT_EQ(DefaultPictureName(12345), "Vorrith12345.Bmp"); }

}  // namespace
}  // namespace vorrith
