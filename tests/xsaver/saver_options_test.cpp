#include "xsaver/saver_options.h"

#include <gtest/gtest.h>

namespace vorrith {
namespace {

struct Accepted {
    std::vector<std::string> arguments;
    DrawTarget target;
    uint32_t windowId;
    bool fullScreen;
    int startNumber;
    bool same;
    uint32_t holdMs;
};

TEST(ParseSaverOptions, AcceptsEachOptionWithOneOrTwoDashes) {
    const Accepted cases[] = {
        {{}, DrawTarget::kOwnWindow, 0, false, -1, false, 2700},
        {{"-root"}, DrawTarget::kRoot, 0, false, -1, false, 2700},
        {{"--window-id", "0x2a00003"}, DrawTarget::kWindowId, 0x2a00003, false, -1, false, 2700},
        {{"-window-id", "44040195"}, DrawTarget::kWindowId, 44040195, false, -1, false, 2700},
        {{"--window-id=0XfFfFfFfF"}, DrawTarget::kWindowId, 0xFFFFFFFF, false, -1, false, 2700},
        {{"-window", "-fullscreen"}, DrawTarget::kOwnWindow, 0, true, -1, false, 2700},
        {{"--fullscreen"}, DrawTarget::kOwnWindow, 0, true, -1, false, 2700},
        {{"--root", "--number", "12345", "-delay", "2.5"}, DrawTarget::kRoot, 0, false, 12345, false, 2500},
        {{"-number=-1", "--delay=1,25", "-same"}, DrawTarget::kOwnWindow, 0, false, -1, true, 1250},
        {{"--different", "--delay", "3600", "--number", "0"}, DrawTarget::kOwnWindow, 0, false, 0, false, 3600000},
    };
    for (const Accepted& c : cases) {
        const ParsedSaverOptions parsed = ParseSaverOptions(c.arguments);
        SCOPED_TRACE(c.arguments.empty() ? "(none)" : c.arguments[0]);
        ASSERT_EQ(parsed.error, "");
        EXPECT_EQ(parsed.options.target, c.target);
        EXPECT_EQ(parsed.options.windowId, c.windowId);
        EXPECT_EQ(parsed.options.fullScreen, c.fullScreen);
        EXPECT_EQ(parsed.options.startNumber, c.startNumber);
        EXPECT_EQ(parsed.options.samePicture, c.same);
        EXPECT_EQ(parsed.options.holdMs, c.holdMs);
    }
    EXPECT_TRUE(ParseSaverOptions({"-help", "--bogus"}).options.showHelp);
}

TEST(ParseSaverOptions, RefusesBadValuesAndContradictions) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"--root=yes"}, "unknown option '--root=yes'"},
        {{"--root", "-window-id", "5"}, "--root and --window-id '5' contradict each other"},
        {{"--window", "--root"}, "contradict"},
        {{"--same", "-different"}, "--same and --different contradict each other"},
        {{"--root", "--fullscreen"}, "--fullscreen goes with --window, not with --root"},
        {{"--window-id", "0"}, "needs a window id"},
        {{"--window-id", "0x"}, "needs a window id"},
        {{"--window-id", "12abc"}, "needs a window id"},
        {{"--window-id", "4294967296"}, "needs a window id"},
        {{"--window-id", "-5"}, "needs a window id"},
        {{"--number", "32768"}, "from 0 to 32767"},
        {{"--number", "-2"}, "from 0 to 32767"},
        {{"--delay", "0.5"}, "seconds from 1 to 3600"},
        {{"--delay", "3600.001"}, "seconds from 1 to 3600"},
        {{"--delay", "2.7s"}, "seconds from 1 to 3600"},
        {{"--delay", "1.2345"}, "seconds from 1 to 3600"},
        {{"--delay", "3."}, "seconds from 1 to 3600"},
        {{"--delay", ""}, "seconds from 1 to 3600"},
        {{"--delay"}, "--delay needs a value"},
        {{"--display="}, "--display needs a display name"},
        {{"--number", "1", "-number", "2"}, "--number is given twice (--number '1', --number '2')"},
    };
    for (const auto& [arguments, expected] : cases) {
        const std::string error = ParseSaverOptions(arguments).error;
        EXPECT_NE(error.find(expected), std::string::npos) << arguments[0] << ": " << error;
    }
}

// The daemon's window wins over every option; a malformed one is an error, not the root.
TEST(ChooseDrawTarget, TheDaemonsWindowWinsOverTheOptions) {
    SaverOptions root;
    root.target = DrawTarget::kRoot;
    const struct {
        const char* env;
        DrawTarget target;
        uint32_t window;
        bool error;
    } cases[] = {
        {nullptr, DrawTarget::kRoot, 0, false},
        {"", DrawTarget::kRoot, 0, false},
        {"0x1a00003", DrawTarget::kWindowId, 0x1a00003, false},
        {"1A00003", DrawTarget::kWindowId, 0x1a00003, false},
        {"0x0", DrawTarget::kWindowId, 0, true},
        {"window", DrawTarget::kWindowId, 0, true},
    };
    for (const auto& c : cases) {
        const TargetChoice choice = ChooseDrawTarget(root, c.env);
        SCOPED_TRACE(c.env == nullptr ? "(unset)" : c.env);
        EXPECT_EQ(choice.target, c.target);
        EXPECT_EQ(choice.windowId, c.window);
        EXPECT_EQ(!choice.error.empty(), c.error);
    }
}

}  // namespace
}  // namespace vorrith
