// Pictures on the wall clock's beat, for savers that run one per monitor and must agree
// without talking to each other.
//
// Time since the epoch is cut into picture periods, each one fade and one hold long.
// Every fade after the first starts on a period boundary, and the picture of period k is
// number k, or, given a start number, start + (k - the first picture's period); to that
// each saver adds its offset (its monitor's index), modulo 32768. Savers started a
// moment apart therefore fade together and agree on the numbers from their second or
// third picture on (each shows its first at once, so their first holds may end on
// neighbouring boundaries), and a saver that finds hours gone (a machine resumed) shows
// the current period's picture next instead of catching up.
#pragma once

#include <cstdint>
#include <functional>

#include "present/picture_schedule.h"
#include "present/render_geometry.h"

namespace vorrith {

// From a fade's first frame to its last: 26 frame periods.
constexpr uint32_t kFadeSpanMs = (kLastFadeLevel - kFirstFadeLevel) / kFadeLevelStep * kFramePeriodMs;

// One fade and its hold.
inline int64_t PicturePeriodMs(uint32_t holdMs) { return int64_t{kFadeSpanMs} + holdMs; }

// The period on whose boundary the next fade starts, for a picture shown whole at wall
// time shownAtMs: the first boundary at least half a hold later. A frame shown late keeps
// its period, and a first picture that started just before a boundary still stays for at
// least half its time.
int64_t NextFadePeriod(int64_t shownAtMs, int64_t periodMs, uint32_t holdMs);

// The picture of period `period`; startNumber -1 counts from the epoch, otherwise from
// firstPeriod. Always 0 ... 32767.
int PeriodImageNumber(int64_t period, int64_t firstPeriod, int startNumber, int offset);

// Milliseconds since the epoch, from the system's wall clock.
int64_t SystemWallClockMs();

class WallClockSchedule : public PictureSchedule {
public:
    using WallClock = std::function<int64_t()>;

    WallClockSchedule(uint32_t holdMs, int startNumber, int offset, WallClock wallClock = SystemWallClockMs);

    uint32_t HoldEnd(uint32_t shownAt) override;
    int NextImageNumber() override;

private:
    const uint32_t holdMs_;
    const int64_t periodMs_;
    const int startNumber_;
    const int offset_;
    WallClock wallClock_;
    bool started_ = false;
    int64_t firstPeriod_ = 0;
    int64_t nextPeriod_ = 0;
};

}  // namespace vorrith
