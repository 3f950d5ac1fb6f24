#include "dialogs/dialog_texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

namespace vorrith {
namespace {

TEST(DialogTextsTest, TitleFillsTheNumberIntoTheStringTablePattern) {
    EXPECT_EQ(FormatImageTitle("Image %d - Vorrith 1.80", 12345), "Image 12345 - Vorrith 1.80");
    EXPECT_EQ(FormatImageTitle("Image %d - Vorrith 1.80", 0), "Image 0 - Vorrith 1.80");
}

// The pattern is data from the resources: nothing in it may read a missing argument.
TEST(DialogTextsTest, TitlePatternOnlyFillsOneNumberAndKeepsOtherPercentSigns) {
    EXPECT_EQ(FormatImageTitle("%d and %d", 7), "7 and %d");
    EXPECT_EQ(FormatImageTitle("100%% of %s %d", 7), "100% of %s 7");
    EXPECT_EQ(FormatImageTitle("ends in %", 7), "ends in %");
    EXPECT_EQ(FormatImageTitle("no number", 7), "no number");
}

TEST(DialogTextsTest, ProposedFileNameCarriesTheImageNumber) {
    EXPECT_EQ(DefaultBmpFileName(7), "Vorrith7.Bmp");
    EXPECT_EQ(DefaultBmpFileName(32767), "Vorrith32767.Bmp");
}

TEST(DialogTextsTest, SaveFilterIsOnePairEndedByAnEmptyEntry) {
    const std::string filter(kBmpFileFilter, sizeof kBmpFileFilter);
    EXPECT_EQ(filter, std::string("Windows BMP File (*.BMP)\0*.BMP\0\0", 32));
}

std::string ReadAboutText() {
    const auto path = std::filesystem::path(VORRITH_TEST_DATA_DIR) / ".." / ".." / "resources" / "about_vorrith.rtf";
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The About text is a resource the rich-text control parses as it stands: braces must
// balance, and every address in it must be one of our own reserved-name addresses.
TEST(DialogTextsTest, AboutTextIsWellFormedAndNamesOnlyOurAddresses) {
    const std::string text = ReadAboutText();
    ASSERT_EQ(text.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    int depth = 0;
    for (char c : text) {
        depth += c == '{' ? 1 : c == '}' ? -1 : 0;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    EXPECT_NE(text.find(kWebPageAddress), std::string::npos);
    const std::regex address(R"([A-Za-z0-9.-]+\.[A-Za-z]{2,}(/|\\| |$))");
    for (std::sregex_iterator it(text.begin(), text.end(), address), end; it != end; ++it) {
        EXPECT_NE(it->str().find(".invalid"), std::string::npos) << it->str();
    }
}

}  // namespace
}  // namespace vorrith
