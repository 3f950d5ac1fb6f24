#include "present/render_geometry.h"

#include <gtest/gtest.h>

namespace vorrith {
namespace {

void ExpectRect(const ScreenRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST(ZoomRect, NativeScreenIsCoveredAtEveryStep) {
    for (int step = 0; step <= kZoomSteps; ++step) {
        ExpectRect(ZoomRect(640, 480, step, 0), 0, 0, 640, 480);
        ExpectRect(ZoomRect(640, 480, step, 1), 0, 0, 640, 480);
    }
}

TEST(ZoomRect, GrowsThenShrinksOnALargerScreen) {
    ExpectRect(ZoomRect(800, 600, 0, 0), 80, 60, 720, 540);
    ExpectRect(ZoomRect(800, 600, 26, 0), 0, 0, 800, 600);
    ExpectRect(ZoomRect(800, 600, 0, 1), 0, 0, 800, 600);
    ExpectRect(ZoomRect(800, 600, 26, 1), 80, 60, 720, 540);
    // Step 1: dx = 160 / 26 = 6, dy = 120 / 26 = 4, multiplied before dividing.
    ExpectRect(ZoomRect(800, 600, 1, 0), 77, 58, 723, 542);
}

TEST(ZoomRect, SmallerScreenTruncatesTowardZero) {
    // dx = (-320 * 1) / 26 = -12, w = 628, left = (320 - 628) / 2 = -154.
    ExpectRect(ZoomRect(320, 240, 1, 0), -154, -115, 474, 356);
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
        {0x10, 0xFFFFFFF0u, true},                           // passed just before the wrap
        {0x90000000u, 0, false},  // 28 days up: why the first deadline is the start tick, not 0
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DeadlineReached(c.now, c.deadline), c.reached) << std::hex << c.now << " " << c.deadline;
    }
}

}  // namespace
}  // namespace vorrith
