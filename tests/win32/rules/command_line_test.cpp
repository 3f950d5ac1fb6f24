#include "win32/rules/command_line.h"

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

// The mode letter in any writing and case; the window handle only where the mode takes one
// (after blanks for /p, /l and /a; after a colon for /c).
TEST(ParseModeRequest, ModeAndWindowOfEachWriting) {
    const struct {
        const char* text;
        SaverMode mode;
        uintptr_t window;
    } cases[] = {
        {"", SaverMode::kConfigure, 0},
        {" -/ ", SaverMode::kConfigure, 0},
        {"/s", SaverMode::kFullScreen, 0},
        {"-S", SaverMode::kFullScreen, 0},
        {"s", SaverMode::kFullScreen, 0},
        {"  //s extra", SaverMode::kFullScreen, 0},
        {"/p 4242", SaverMode::kPreview, 4242},
        {"/L   4242", SaverMode::kPreview, 4242},
        {"/p", SaverMode::kPreview, 0},
        {"/p 0", SaverMode::kPreview, 0},
        {"/c:1234", SaverMode::kConfigureOwned, 1234},
        {"/c", SaverMode::kConfigureOwned, 0},
        {"/c 1234", SaverMode::kConfigureOwned, 0},
        {"/a 77", SaverMode::kChangePassword, 77},
        {"/x", SaverMode::kUnknown, 0},
        {"\xE9", SaverMode::kUnknown, 0},
        {"5", SaverMode::kUnknown, 0},
    };
    for (const auto& c : cases) {
        const ModeRequest request = ParseModeRequest(c.text);
        EXPECT_EQ(request.mode, c.mode) << c.text;
        EXPECT_EQ(request.window, c.window) << c.text;
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

}  // namespace
}  // namespace vorrith
