#include "saver/wall_clock_schedule.h"

#include <chrono>
#include <utility>

namespace vorrith {
namespace {

constexpr int64_t kImageNumbers = 32768;

// Rounds toward minus infinity, so that a clock before the epoch still counts periods.
int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace

int64_t NextFadePeriod(int64_t shownAtMs, int64_t periodMs, uint32_t holdMs) {
    const int64_t earliest = shownAtMs + holdMs / 2;
    return FloorDiv(earliest + periodMs - 1, periodMs);
}

int PeriodImageNumber(int64_t period, int64_t firstPeriod, int startNumber, int offset) {
    const int64_t counted = startNumber < 0 ? period : startNumber + (period - firstPeriod);
    const int64_t number = (counted + offset) % kImageNumbers;
    return static_cast<int>(number < 0 ? number + kImageNumbers : number);
}

int64_t SystemWallClockMs() {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count();
}

WallClockSchedule::WallClockSchedule(uint32_t holdMs, int startNumber, int offset, WallClock wallClock)
    : holdMs_(holdMs),
      periodMs_(PicturePeriodMs(holdMs)),
      startNumber_(startNumber),
      offset_(offset),
      wallClock_(std::move(wallClock)) {}

// The hold is measured on the wall clock but ends on the loop's tick count: the time
// left to the boundary, added to the tick of the last frame.
uint32_t WallClockSchedule::HoldEnd(uint32_t shownAt) {
    const int64_t now = wallClock_();
    nextPeriod_ = NextFadePeriod(now, periodMs_, holdMs_);
    return shownAt + static_cast<uint32_t>(nextPeriod_ * periodMs_ - now);
}

// The first picture fades in at once, as the picture of the period under way.
int WallClockSchedule::NextImageNumber() {
    if (!started_) {
        started_ = true;
        firstPeriod_ = FloorDiv(wallClock_(), periodMs_);
        nextPeriod_ = firstPeriod_;
    }
    return PeriodImageNumber(nextPeriod_, firstPeriod_, startNumber_, offset_);
}

}  // namespace vorrith
