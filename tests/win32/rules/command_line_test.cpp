#include "win32/rules/command_line.h"

#include <gtest/gtest.h>

#include "win32/rules/processor_refusal.h"

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

// The whole command line as the program reads it: any writing of "s" is the full-screen
// saver, with everything full screen brings, and "/s" inside the program's path is no mode.
TEST(ParseModeRequest, ModeOfAWholeCommandLine) {
    const struct {
        const char* commandLine;
        SaverMode mode;
    } cases[] = {
        {"\"C:\\x\\Vorrith.scr\" /s", SaverMode::kFullScreen},
        {"vorrith.scr /S", SaverMode::kFullScreen},
        {"vorrith.scr -s", SaverMode::kFullScreen},
        {"vorrith.scr s", SaverMode::kFullScreen},
        {"vorrith.scr /s:1234", SaverMode::kFullScreen},
        {"vorrith.scr /p 5", SaverMode::kPreview},
        {"c:/saver/vorrith.scr /p 5", SaverMode::kPreview},
        {"Z:/tmp/savers/Vorrith.scr /p 5", SaverMode::kPreview},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseModeRequest(SkipProgramName(c.commandLine)).mode, c.mode) << c.commandLine;
    }
}

// Without SSE2 the modes the system starts unasked end quietly; the ones the user opened
// say why.
TEST(RefusalWithoutSse2, QuietForSaverAndPreviewAMessageForTheUsersOwnModes) {
    const struct {
        const char* commandLine;
        ProcessorRefusal refusal;
    } cases[] = {
        {"vorrith.scr /s", ProcessorRefusal::kQuietExit},
        {"Z:/tmp/savers/Vorrith.scr /p 5", ProcessorRefusal::kQuietExit},
        {"vorrith.scr /x", ProcessorRefusal::kQuietExit},
        {"vorrith.scr", ProcessorRefusal::kExplainInMessageBox},
        {"vorrith.scr /c:1234", ProcessorRefusal::kExplainInMessageBox},
        {"vorrith.scr /a 77", ProcessorRefusal::kExplainInMessageBox},
    };
    for (const auto& c : cases) EXPECT_EQ(RefusalWithoutSse2(c.commandLine), c.refusal) << c.commandLine;
}

}  // namespace
}  // namespace vorrith
