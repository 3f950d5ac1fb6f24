#include "wallpaper/daily_picture.h"

#include <cstdio>
#include <ctime>

namespace vorrith {
namespace {

// A 32-bit integer hash with low bias (two multiply-xorshift rounds); its constants are
// part of the documented function and never change.
uint32_t MixDay(uint32_t d) {
    d ^= d >> 16;
    d *= 0x7feb352du;
    d ^= d >> 15;
    d *= 0x846ca68bu;
    d ^= d >> 16;
    return d;
}

}  // namespace

CalendarDate LocalDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// Counts whole 400-year eras (146097 days each) from 0000-03-01, then the days within
// the era; a year taken from March on puts the leap day at its end.
int64_t DaysSinceEpoch(CalendarDate date) {
    const int64_t year = date.year - (date.month <= 2 ? 1 : 0);
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;
    const int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    constexpr int64_t kDaysFromMarch0000To1970 = 719468;
    return era * 146097 + dayOfEra - kDaysFromMarch0000To1970;
}

int DailyImageNumber(CalendarDate date) {
    return static_cast<int>(MixDay(static_cast<uint32_t>(DaysSinceEpoch(date))) % 32768u);
}

std::string DateText(CalendarDate date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

}  // namespace vorrith
