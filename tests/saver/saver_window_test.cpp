#include "saver/saver_window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "saver/abort_cleanup.h"

#include "tests/support/fake_clock.h"

namespace vorrith {
namespace {

// Records every call in order; modes listed in acceptedModes are accepted.
class FakeSaverPlatform : public SaverWindowPlatform, public InstalledFakeClock {
public:
    FakeSaverPlatform() : InstalledFakeClock(10000) {}
    bool TrySetMode(const DisplayMode& mode) override {
        events.push_back("try " + std::to_string(mode.width) + "x" + std::to_string(mode.height) + "x" +
                         std::to_string(mode.bitsPerPixel));
        const bool accepted = acceptFromTry >= 0 && tries++ >= acceptFromTry;
        if (accepted) cursor = {320, 240};  // the switch moves the cursor with the screen
        return accepted;
    }
    void RestoreDesktopMode() override { events.push_back("restore"); }
    void ShowCoveringEveryMonitor() override { events.push_back("cover"); }
    void BringToTop() override { events.push_back("top"); }
    void StepAside() override { events.push_back("aside"); }
    CursorPoint CursorPosition() override { return cursor; }
    bool StartRenderThread(RenderParams& params) override {
        events.push_back("start " + std::to_string(params.control.load()) + " " + std::to_string(params.fullScreen));
        return threadStarts;
    }
    void JoinRenderThread() override { events.push_back("join " + std::to_string(watched->control.load())); }

    std::vector<std::string> events;
    int acceptFromTry = -1;
    int tries = 0;
    bool threadStarts = true;
    CursorPoint cursor{50, 50};
    RenderParams* watched = nullptr;
};

const SaverWindowStart kFullScreen{true, true};
const SaverWindowStart kPreview{false, true};

class SaverWindowTest : public ::testing::Test {
protected:
    SaverWindowTest() { platform.watched = &window.Params(); }
    FakeSaverPlatform platform;
    SaverWindow window{platform};
};

TEST_F(SaverWindowTest, FullScreenTriesEveryModeInOrderWhenAllAreRefused) {
    window.OnCreate(kFullScreen);
    const std::vector<std::string> expected{"try 640x480x24", "try 640x480x32", "try 800x600x24",
                                            "try 800x600x32", "cover",          "top"};
    EXPECT_EQ(platform.events, expected);
}

TEST_F(SaverWindowTest, FullScreenStopsAtTheFirstAcceptedMode) {
    platform.acceptFromTry = 1;
    window.OnCreate(kFullScreen);
    EXPECT_EQ(platform.events[1], "try 640x480x32");
    EXPECT_EQ(platform.events[2], "cover");
}

TEST_F(SaverWindowTest, DestroyStopsAndJoinsTheThreadBeforeRestoringTheMode) {
    window.OnCreate(kFullScreen);
    platform.events.clear();
    window.OnPaint(0x1234);
    window.OnPaint(0x1234);  // a later paint starts nothing, it asks for the frame again
    EXPECT_EQ(window.Params().exposures.load(), 1u);
    window.OnDestroy();
    const std::vector<std::string> expected{"top", "start 2 1", "join 1", "restore"};
    EXPECT_EQ(platform.events, expected);
    EXPECT_EQ(window.Params().window, 0u);
}

TEST_F(SaverWindowTest, DestroyBeforeTheFirstPaintRestoresAndWaitsForNothing) {
    window.OnCreate(kFullScreen);
    platform.events.clear();
    window.OnDestroy();
    EXPECT_EQ(platform.events, std::vector<std::string>{"restore"});
}

// A crash ends the process without WM_DESTROY: the full-screen window steps aside, and
// only a switched mode still in force is given back, once.
TEST_F(SaverWindowTest, CrashStepsAsideAndRestoresOnlyASwitchedModeNotYetRestored) {
    const struct {
        const char* name;
        SaverWindowStart start;
        int acceptFromTry;
        bool destroyedFirst;
        std::vector<std::string> events;
    } cases[] = {
        {"switched", kFullScreen, 0, false, {"aside", "restore", "aside"}},
        {"no mode accepted", kFullScreen, -1, false, {"aside", "aside"}},
        {"already destroyed", kFullScreen, 0, true, {}},
        {"preview", kPreview, 0, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSaverPlatform fake;
        SaverWindow crashing(fake);
        fake.watched = &crashing.Params();
        fake.acceptFromTry = c.acceptFromTry;
        crashing.OnCreate(c.start);
        if (c.destroyedFirst) crashing.OnDestroy();
        fake.events.clear();
        crashing.OnCrash();
        crashing.OnCrash();
        EXPECT_EQ(fake.events, c.events);
    }
}

#ifndef _WIN32  // the Windows runtime's abort reports itself in a window of its own
// An exception no one caught ends through std::terminate, past every crash filter.
TEST(AbortCleanupDeathTest, TerminateGivesTheSwitchedModeBack) {
    EXPECT_DEATH(
        {
            static FakeSaverPlatform fake;
            static SaverWindow aborting(fake);
            fake.watched = &aborting.Params();
            fake.acceptFromTry = 0;
            aborting.OnCreate(kFullScreen);
            fake.events.clear();
            InstallAbortCleanup([] {
                aborting.OnCrash();
                for (const std::string& event : fake.events) std::fprintf(stderr, "%s;", event.c_str());
            });
            std::terminate();
        },
        "aside;restore;");
}
#endif

// Unchecked, the stored choice keeps every mode as it is: no switch and no restore.
TEST_F(SaverWindowTest, FullScreenWithoutTheModeChoiceTouchesNoMode) {
    platform.acceptFromTry = 0;
    window.OnCreate({true, false});
    window.OnPaint(7);
    window.OnDestroy();
    window.OnCrash();
    const std::vector<std::string> expected{"cover", "top", "top", "start 2 1", "join 1"};
    EXPECT_EQ(platform.events, expected);
}

TEST_F(SaverWindowTest, DisplayChangeRecoversTheScreenOnlyFullScreenAndTellsTheThread) {
    for (const bool fullScreen : {true, false}) {
        SCOPED_TRACE(fullScreen);
        FakeSaverPlatform fake;
        SaverWindow changed(fake);
        fake.watched = &changed.Params();
        changed.OnCreate({fullScreen, false});
        changed.OnPaint(7);
        fake.events.clear();
        changed.OnDisplayChange();
        EXPECT_EQ(fake.events.size(), changed.FullScreenMode() ? 1u : 0u);
        EXPECT_EQ(changed.Params().displayChanges.load(), 1u);
        changed.OnDestroy();  // whose restore of the mode reports a change once more
        fake.events.clear();
        changed.OnDisplayChange();
        EXPECT_TRUE(fake.events.empty());
    }
}

TEST_F(SaverWindowTest, PreviewChangesNoModeAndRendersWithoutZoom) {
    window.OnCreate(kPreview);
    window.OnPaint(7);
    window.OnDestroy();
    const std::vector<std::string> expected{"top", "start 2 0", "join 1"};
    EXPECT_EQ(platform.events, expected);
}

TEST_F(SaverWindowTest, FailedThreadStartIsRetriedAtTheNextPaint) {
    window.OnCreate(kPreview);
    platform.threadStarts = false;
    window.OnPaint(7);
    platform.threadStarts = true;
    window.OnPaint(7);
    EXPECT_TRUE(window.RenderThreadRunning());
    EXPECT_EQ(platform.events.size(), 4u);
}

TEST_F(SaverWindowTest, GracePeriodAbsorbsMovementAndMovesTheAnchor) {
    window.OnCreate(kFullScreen);
    platform.now += 1499;
    EXPECT_FALSE(window.OnMouseMoved({400, 300}));
    platform.now += 1;
    EXPECT_FALSE(window.OnMouseMoved({402, 302}));  // measured from where the grace period left it
    EXPECT_TRUE(window.OnMouseMoved({403, 302}));
}

// The tick count comes round every 49.7 days; in the second half of the round the
// grace period must not come back.
TEST_F(SaverWindowTest, TheAnchorIsWhereTheModeSwitchLeftTheCursor) {
    platform.acceptFromTry = 0;
    window.OnCreate(kFullScreen);
    platform.now += kMouseGraceMs;
    EXPECT_FALSE(window.OnMouseMoved({322, 242}));
}

TEST_F(SaverWindowTest, GracePeriodEndsForGoodAcrossTheTickCount) {
    window.OnCreate(kFullScreen);
    for (const uint32_t later : {0x90000000u, 0xFFFFF000u}) {
        platform.now = 10000 + later;
        EXPECT_TRUE(window.OnMouseMoved({60, 50})) << std::hex << later;
    }
}

TEST_F(SaverWindowTest, SmallMovementsAddUpUntilOneAxisReachesThree) {
    window.OnCreate(kPreview);  // no grace period
    EXPECT_FALSE(window.OnMouseMoved({51, 51}));
    EXPECT_FALSE(window.OnMouseMoved({52, 52}));
    EXPECT_TRUE(window.OnMouseMoved({52, 53}));
    EXPECT_TRUE(window.OnMouseMoved({47, 50}));
}

}  // namespace
}  // namespace vorrith
