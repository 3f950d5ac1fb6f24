#include "saver/dialog_texts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace vorrith {
namespace {

TEST(DialogTextsTest, TitleFillsTheNumberIntoThePattern) {
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

std::string ReadAboutText() {
    const auto path = std::filesystem::path(VORRITH_TEST_DATA_DIR) / ".." / ".." / "resources" / "about_vorrith.rtf";
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

// Every run of name characters with a dot followed by a letter: the host names of web
// and mail addresses (a sentence's full stop is followed by a space).
std::vector<std::string> HostNames(const std::string& text) {
    std::vector<std::string> names;
    for (size_t at = 0; at < text.size();) {
        size_t end = at;
        while (end < text.size() && IsNameCharacter(text[end])) ++end;
        const std::string run = text.substr(at, end - at);
        const size_t dot = run.find('.');
        if (dot != std::string::npos && dot + 1 < run.size() &&
            std::isalpha(static_cast<unsigned char>(run[dot + 1]))) {
            names.push_back(run);
        }
        at = end == at ? at + 1 : end;
    }
    return names;
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
    EXPECT_GE(HostNames(text).size(), 2u);  // the web page and the mail address
    for (const std::string& name : HostNames(text)) EXPECT_NE(name.find(".invalid"), std::string::npos) << name;
}

}  // namespace
}  // namespace vorrith
