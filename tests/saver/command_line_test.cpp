#include "saver/command_line.h"

#include <gtest/gtest.h>

namespace vorrith {
namespace {

TEST(SkipProgramName, SkipsQuotedPathWithSpacesWhole) {
    EXPECT_STREQ(SkipProgramName("\"C:\\Program Files\\Vorrith.scr\" /s"), "/s");
    EXPECT_STREQ(SkipProgramName("\"C:\\unterminated /s"), "");
}

TEST(SkipProgramName, SkipsBarePathAndControlCharacters) {
    EXPECT_STREQ(SkipProgramName("VORRITH.SCR \t\r\n/p 123"), "/p 123");
    EXPECT_STREQ(SkipProgramName("VORRITH.SCR"), "");
    EXPECT_STREQ(SkipProgramName(" /c"), "/c");  // no name: only the blanks go
}

TEST(ParseWindowHandle, ReadsDecimalDigitsUpToTheFirstOther) {
    EXPECT_EQ(ParseWindowHandle("1234"), 1234u);
    EXPECT_EQ(ParseWindowHandle("65538xyz"), 65538u);
    EXPECT_EQ(ParseWindowHandle("-5"), 0u);
    EXPECT_EQ(ParseWindowHandle("0x1F"), 0u);
    EXPECT_EQ(ParseWindowHandle(""), 0u);
}

TEST(ParseModeRequest, EmptyTextOpensConfigurationWithoutOwner) {
    EXPECT_EQ(ParseModeRequest("").mode, SaverMode::kConfigure);
    EXPECT_EQ(ParseModeRequest(" -/ ").mode, SaverMode::kConfigure);
}

TEST(ParseModeRequest, FullScreenInEveryWritingAndCase) {
    for (const char* text : {"/s", "-S", "s", "/S", "  //s extra"}) {
        EXPECT_EQ(ParseModeRequest(text).mode, SaverMode::kFullScreen) << text;
    }
}

// The mode scan and the saver window's own scan read one command line differently on
// purpose: "-s" and "s" start the full-screen window without what "/s" brings.
TEST(HasFullScreenSwitch, OnlyASlashFollowedBySWhereTheModeScanTakesAnyWriting) {
    const struct {
        const char* commandLine;
        SaverMode mode;
        bool fullScreenSwitch;
    } cases[] = {
        {"\"C:\\x\\Vorrith.scr\" /s", SaverMode::kFullScreen, true},
        {"vorrith.scr /S", SaverMode::kFullScreen, true},
        {"vorrith.scr -s", SaverMode::kFullScreen, false},
        {"vorrith.scr s", SaverMode::kFullScreen, false},
        {"vorrith.scr /p 5", SaverMode::kPreview, false},
        {"c:/saver/vorrith.scr /p 5", SaverMode::kPreview, true},  // a path's "/s" counts too
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseModeRequest(SkipProgramName(c.commandLine)).mode, c.mode) << c.commandLine;
        EXPECT_EQ(HasFullScreenSwitch(c.commandLine), c.fullScreenSwitch) << c.commandLine;
    }
}

TEST(ParseModeRequest, PreviewAndLReadTheParentAfterSpaces) {
    const ModeRequest preview = ParseModeRequest("/p 4242");
    EXPECT_EQ(preview.mode, SaverMode::kPreview);
    EXPECT_EQ(preview.window, 4242u);
    const ModeRequest l = ParseModeRequest("/L   4242");
    EXPECT_EQ(l.mode, SaverMode::kPreview);
    EXPECT_EQ(l.window, 4242u);
    EXPECT_EQ(ParseModeRequest("/p").window, 0u);
    EXPECT_EQ(ParseModeRequest("/p 0").window, 0u);
}

TEST(ParseModeRequest, ConfigurationOwnerOnlyAfterAColon) {
    const ModeRequest owned = ParseModeRequest("/c:1234");
    EXPECT_EQ(owned.mode, SaverMode::kConfigureOwned);
    EXPECT_EQ(owned.window, 1234u);
    EXPECT_EQ(ParseModeRequest("/c").window, 0u);
    EXPECT_EQ(ParseModeRequest("/c 1234").window, 0u);
}

TEST(ParseModeRequest, PasswordChangeAndUnknownLetters) {
    const ModeRequest change = ParseModeRequest("/a 77");
    EXPECT_EQ(change.mode, SaverMode::kChangePassword);
    EXPECT_EQ(change.window, 77u);
    EXPECT_EQ(ParseModeRequest("/x").mode, SaverMode::kUnknown);
    EXPECT_EQ(ParseModeRequest("\xE9").mode, SaverMode::kUnknown);
    EXPECT_EQ(ParseModeRequest("5").mode, SaverMode::kUnknown);
}

}  // namespace
}  // namespace vorrith
