#include "saver/wall_clock_schedule.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "saver/monitor_index.h"

namespace vorrith {
namespace {

constexpr uint32_t kHold = 2700;
constexpr int64_t kPeriod = kFadeSpanMs + kHold;        // 5300
constexpr int64_t kSomeBoundary = 320754716 * kPeriod;  // in November 2023

struct ShownPicture {
    int64_t fadeStart;  // wall clock
    int number;
};

// Drives a schedule as the render loop does, on a wall clock that the loop's ticks follow
// exactly: each fade's last frame is shown lateMs after its 26 frame periods.
std::vector<ShownPicture> RunPictures(int64_t start, int startNumber, int offset, int pictures, int64_t lateMs = 30,
                                      int64_t jumpAfterFirst = 0) {
    int64_t wall = start;
    WallClockSchedule schedule(kHold, startNumber, offset, [&wall] { return wall; });
    std::vector<ShownPicture> shown{{wall, schedule.NextImageNumber()}};
    while (static_cast<int>(shown.size()) < pictures) {
        wall = shown.back().fadeStart + kFadeSpanMs + lateMs;
        if (shown.size() == 1) wall += jumpAfterFirst;
        const uint32_t tick = 5000;  // any: only the difference counts
        const uint32_t holdEnd = schedule.HoldEnd(tick);
        wall += holdEnd - tick;
        shown.push_back({wall, schedule.NextImageNumber()});
    }
    return shown;
}

// Savers on two monitors started a moment apart, in one period or on both sides of a
// boundary: every fade after the first is on a boundary, and from the third picture on
// (the first holds may end on neighbouring boundaries) they fade together, their numbers
// a monitor apart.
TEST(WallClockSchedule, SaversStartedAMomentApartFadeTogetherAndAgree) {
    const struct {
        const char* name;
        int64_t firstStart, secondStart;
    } cases[] = {
        {"within a period", kSomeBoundary + 400, kSomeBoundary + 1700},
        {"across a boundary", kSomeBoundary - 200, kSomeBoundary + 300},
        {"just before the hold's end", kSomeBoundary - 2700, kSomeBoundary - 2300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ShownPicture> first = RunPictures(c.firstStart, -1, 0, 5);
        std::map<int64_t, int> secondByFade;
        for (const ShownPicture& p : RunPictures(c.secondStart, -1, 1, 5)) secondByFade[p.fadeStart] = p.number;
        for (size_t i = 1; i < first.size(); ++i) {
            EXPECT_EQ(first[i].fadeStart % kPeriod, 0);
            EXPECT_EQ(first[i].number, first[i].fadeStart / kPeriod % 32768);
            // every picture stays at least half its hold, the first included
            EXPECT_GE(first[i].fadeStart - first[i - 1].fadeStart, kFadeSpanMs + kHold / 2);
            if (i >= 2) {
                EXPECT_EQ(secondByFade[first[i].fadeStart], first[i].number + 1) << "picture " << i;
            }
        }
    }
}

TEST(WallClockSchedule, StartNumberCountsOnAndNumbersWrap) {
    const struct {
        int startNumber, offset;
        std::vector<int> expected;
    } cases[] = {
        {12345, 0, {12345, 12346, 12347}},
        {12345, 2, {12347, 12348, 12349}},
        {32767, 0, {32767, 0, 1}},
        {32766, 1, {32767, 0, 1}},
    };
    for (const auto& c : cases) {
        std::vector<int> numbers;
        for (const ShownPicture& p : RunPictures(kSomeBoundary + 1000, c.startNumber, c.offset, 3))
            numbers.push_back(p.number);
        EXPECT_EQ(numbers, c.expected) << "start " << c.startNumber << " offset " << c.offset;
    }
    EXPECT_EQ(PeriodImageNumber(-1, 0, -1, 0), 32767);  // a clock before 1970 still gives a picture
}

// A machine resumed three hours later: the next picture is the current period's, on its
// boundary, and the one after follows a period later (no run of missed pictures).
TEST(WallClockSchedule, AfterASuspendTheCurrentPeriodsPictureComesNext) {
    const int64_t gap = 3 * 3600 * 1000;
    const std::vector<ShownPicture> shown = RunPictures(kSomeBoundary + 1000, -1, 0, 3, 30, gap);
    const int64_t resumedAt = kSomeBoundary + 1000 + kFadeSpanMs + 30 + gap;
    EXPECT_GT(shown[1].fadeStart, resumedAt);
    EXPECT_LE(shown[1].fadeStart, resumedAt + kHold / 2 + kPeriod);
    EXPECT_EQ(shown[1].number, shown[1].fadeStart / kPeriod % 32768);
    EXPECT_EQ(shown[2].fadeStart - shown[1].fadeStart, kPeriod);
}

TEST(MonitorIndexOf, TheMonitorHoldingTheWindowsCentre) {
    const std::vector<ScreenRect> monitors = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}, {-1280, 0, 0, 1024}};
    const struct {
        ScreenRect window;
        int expected;
    } cases[] = {
        {{0, 0, 1920, 1080}, 0},   {{1920, 0, 3200, 1024}, 1},
        {{-1280, 0, 0, 1024}, 2},  {{1800, 100, 2200, 300}, 1},  // straddling: the centre decides
        {{5000, 0, 5100, 100}, 0},                               // on no monitor
    };
    for (const auto& c : cases) EXPECT_EQ(MonitorIndexOf(c.window, monitors), c.expected) << c.window.left;
    EXPECT_EQ(MonitorIndexOf({0, 0, 10, 10}, {}), 0);
}

}  // namespace
}  // namespace vorrith
