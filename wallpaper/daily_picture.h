// The picture of the day: a fixed function of the local calendar date, so the same day
// gives the same picture on every machine.
//
//   D = the days from 1970-01-01 to the date (proleptic Gregorian calendar)
//   D ^= D >> 16; D *= 0x7feb352d; D ^= D >> 15; D *= 0x846ca68b; D ^= D >> 16
//       (unsigned 32-bit arithmetic, products wrapping)
//   image number = D mod 32768
//
// The mixing spreads consecutive days over all the pictures.
#pragma once

#include <cstdint>
#include <string>

namespace vorrith {

struct CalendarDate {
    int year;
    int month;  // 1 ... 12
    int day;    // 1 ... 31
};

// The date of today where the program runs (its local time zone).
CalendarDate LocalDate();

// Days from 1970-01-01 to date, negative before it.
int64_t DaysSinceEpoch(CalendarDate date);

int DailyImageNumber(CalendarDate date);

// "2026-12-08".
std::string DateText(CalendarDate date);

}  // namespace vorrith
