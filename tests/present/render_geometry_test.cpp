#include "present/render_geometry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/clock.h"

namespace vorrith {
namespace {

void ExpectRect(const ScreenRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST(MonitorZoomRect, NativeScreenIsCoveredAtEveryStep) {
    for (int step = 0; step <= kZoomSteps; ++step) {
        ExpectRect(MonitorZoomRect({0, 0, 640, 480}, step, 0), 0, 0, 640, 480);
        ExpectRect(MonitorZoomRect({0, 0, 640, 480}, step, 1), 0, 0, 640, 480);
    }
}

TEST(MonitorZoomRect, GrowsThenShrinksOnALargerScreen) {
    const ScreenRect screen{0, 0, 800, 600};
    ExpectRect(MonitorZoomRect(screen, 0, 0), 80, 60, 720, 540);
    ExpectRect(MonitorZoomRect(screen, 26, 0), 0, 0, 800, 600);
    ExpectRect(MonitorZoomRect(screen, 0, 1), 0, 0, 800, 600);
    ExpectRect(MonitorZoomRect(screen, 26, 1), 80, 60, 720, 540);
    // Step 1: dx = 160 / 26 = 6, dy = 120 / 26 = 4, multiplied before dividing.
    ExpectRect(MonitorZoomRect(screen, 1, 0), 77, 58, 723, 542);
}

TEST(MonitorZoomRect, SmallerScreenTruncatesTowardZero) {
    // dx = (-320 * 1) / 26 = -12, w = 628, left = (320 - 628) / 2 = -154.
    ExpectRect(MonitorZoomRect({0, 0, 320, 240}, 1, 0), -154, -115, 474, 356);
    ExpectRect(NativeCentredRect(321, 241), -159, -119, 481, 361);
}

TEST(DeadlineReached, ComparesSignedSoAWrappedDeadlineIsStillAhead) {
    const struct {
        uint32_t now;
        uint32_t deadline;
        bool reached;
    } cases[] = {
        {100, 101, false},
        {101, 101, true},
        {0xFFFFFF00u, 0xFFFFFF00u + kPictureHoldMs, false},  // wrapped to a small number
        {0xFFFFFF00u + kPictureHoldMs, 0xFFFFFF00u + kPictureHoldMs, true},
        {0x10, 0xFFFFFFF0u, true},  // passed just before the wrap
        {0x90000000u, 0, false},    // 28 days up: why the first deadline is the start tick, not 0
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DeadlineReached(c.now, c.deadline), c.reached) << std::hex << c.now << " " << c.deadline;
    }
}

struct MonitorLayout {
    const char* name;
    std::vector<ScreenRect> monitors;
    ScreenRect window;
    std::vector<ScreenRect> areas;  // each monitor's picture area, screen coordinates
};

const MonitorLayout kLayouts[] = {
    {"one 4:3", {{0, 0, 1024, 768}}, {0, 0, 1024, 768}, {{0, 0, 1024, 768}}},
    {"one 16:9", {{0, 0, 1920, 1080}}, {0, 0, 1920, 1080}, {{240, 0, 1680, 1080}}},
    {"side by side, mixed sizes",
     {{0, 0, 800, 600}, {800, 0, 1824, 768}},
     {0, 0, 1824, 768},
     {{0, 0, 800, 600}, {800, 0, 1824, 768}}},
    {"stacked, tall portrait below",
     {{0, 0, 1280, 1024}, {0, 1024, 1080, 2944}},
     {0, 0, 1280, 2944},
     {{0, 32, 1280, 992}, {0, 1579, 1080, 2389}}},
    // 1050 * 3 / 4 = 787.5 rows: the area takes 787, top (1680 - 787) / 2 = 446.
    {"portrait, width not a multiple of 4", {{0, 0, 1050, 1680}}, {0, 0, 1050, 1680}, {{0, 446, 1050, 1233}}},
    {"negative origins",
     {{0, 0, 1920, 1080}, {-1280, -200, 0, 824}},
     {-1280, -200, 1920, 1080},
     {{240, 0, 1680, 1080}, {-1280, -168, 0, 792}}},
    {"21:9 left of the primary",
     {{-3440, 0, 0, 1440}, {0, 0, 2560, 1440}},
     {-3440, 0, 2560, 1440},
     {{-2680, 0, -760, 1440}, {320, 0, 2240, 1440}}},
};

TEST(MonitorLayout, WindowCoversEveryMonitorAndEachPictureAreaIsTheLargestCentred4By3) {
    for (const MonitorLayout& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        const ScreenRect window = VirtualScreenRect(layout.monitors.data(), static_cast<int>(layout.monitors.size()));
        ExpectRect(window, layout.window.left, layout.window.top, layout.window.right, layout.window.bottom);
        for (size_t i = 0; i < layout.monitors.size(); ++i) {
            const ScreenRect& want = layout.areas[i];
            ExpectRect(PictureAreaRect(layout.monitors[i]), want.left, want.top, want.right, want.bottom);
            // The zoom starts at native size and ends on the whole area, both centred.
            const ScreenRect& m = layout.monitors[i];
            const int cx = m.left + (m.right - m.left - 640) / 2;
            const int cy = m.top + (m.bottom - m.top - 480) / 2;
            ExpectRect(MonitorZoomRect(m, 0, 0), cx, cy, cx + 640, cy + 480);
            ExpectRect(MonitorZoomRect(m, kZoomSteps, 0), want.left, want.top, want.right, want.bottom);
            ExpectRect(MonitorZoomRect(m, 0, 1), want.left, want.top, want.right, want.bottom);
        }
    }
}

// Every frame keeps the picture's shape within a pixel and stays inside its area.
TEST(MonitorLayout, FramesStay4By3InsideTheArea) {
    for (const MonitorLayout& layout : kLayouts) {
        for (const ScreenRect& m : layout.monitors) {
            const ScreenRect area = PictureAreaRect(m);
            for (int step = 0; step <= kZoomSteps; ++step) {
                const ScreenRect r = MonitorZoomRect(m, step, 0);
                SCOPED_TRACE(std::string(layout.name) + " step " + std::to_string(step));
                EXPECT_LE(std::abs((r.right - r.left) * 3 - (r.bottom - r.top) * 4), 4 * 3);
                EXPECT_GE(r.left, area.left);
                EXPECT_GE(r.top, area.top);
                EXPECT_LE(r.right, area.right);
                EXPECT_LE(r.bottom, area.bottom);
            }
        }
    }
}

// A monitor away from the origin zooms as the same monitor at the origin does, moved.
TEST(MonitorLayout, AMonitorElsewhereZoomsAsAtTheOriginMoved) {
    const ScreenRect monitors[] = {{-1600, 300, 0, 1500}, {800, 0, 1824, 768}, {0, 1024, 1080, 2944}};
    for (const ScreenRect& m : monitors) {
        const int w = m.right - m.left;
        const int h = m.bottom - m.top;
        for (int direction = 0; direction <= 1; ++direction) {
            for (int step = 0; step <= kZoomSteps; ++step) {
                const ScreenRect want = MonitorZoomRect({0, 0, w, h}, step, direction);
                ExpectRect(MonitorZoomRect(m, step, direction), want.left + m.left, want.top + m.top,
                           want.right + m.left, want.bottom + m.top);
            }
        }
    }
}

// What the page's slideshow also shows on its one screen: sizes that do not divide evenly
// and screens smaller than the picture or empty.
TEST(MonitorLayout, PictureAreaTruncatesHalvesAndShrinksOnSmallScreens) {
    const struct {
        ScreenRect monitor;
        ScreenRect area;
    } cases[] = {
        {{0, 0, 1366, 768}, {171, 0, 1195, 768}},  // odd margin: the left half truncated
        {{0, 0, 801, 600}, {0, 0, 800, 600}},      // one column spare, kept on the right
        {{0, 0, 320, 200}, {27, 0, 293, 200}},     // smaller than the picture: it shrinks
        {{0, 0, 0, 768}, {0, 0, 0, 0}},           {{0, 0, 1024, -1}, {0, 0, 0, 0}},
        {{50, 60, 40, 900}, {50, 60, 50, 60}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.monitor.right - c.monitor.left << " x "
                                        << c.monitor.bottom - c.monitor.top);
        ExpectRect(PictureAreaRect(c.monitor), c.area.left, c.area.top, c.area.right, c.area.bottom);
    }
}

TEST(MonitorLayout, NoMonitorsGiveAnEmptyWindowAndClientCoordinatesStartAtTheWindow) {
    ExpectRect(VirtualScreenRect(nullptr, 0), 0, 0, 0, 0);
    ExpectRect(RelativeTo({-1280, -168, 0, 792}, {-1280, -200, 1920, 1080}), 0, 32, 1280, 992);
}

}  // namespace
}  // namespace vorrith
