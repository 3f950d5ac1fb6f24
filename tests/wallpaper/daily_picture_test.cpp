// The picture of the day is a documented function of the date: these values were worked
// out apart from the program (Python's date arithmetic and the mixing steps of --help),
// around the leap days that a day count gets wrong first.
#include "wallpaper/daily_picture.h"

#include <gtest/gtest.h>

namespace vorrith {
namespace {

TEST(DailyPictureTest, DaysAndNumbersOfReferenceDates) {
    struct Row {
        CalendarDate date;
        int64_t days;
        int imageNumber;
    };
    const Row rows[] = {
        {{1970, 1, 1}, 0, 0},         {{1969, 12, 31}, -1, 586},     {{2000, 2, 29}, 11016, 15159},
        {{2000, 3, 1}, 11017, 21240}, {{2100, 2, 28}, 47540, 11190}, {{2100, 3, 1}, 47541, 9398},
        {{2026, 12, 8}, 20795, 8972},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(DateText(row.date));
        EXPECT_EQ(DaysSinceEpoch(row.date), row.days);
        EXPECT_EQ(DailyImageNumber(row.date), row.imageNumber);
    }
}

}  // namespace
}  // namespace vorrith
