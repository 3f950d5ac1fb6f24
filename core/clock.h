// The millisecond clock behind image number -1, the saver's reseeding and its deadlines,
// and the comparison of tick counts. The default is a monotonic clock; the Windows
// program installs the system tick count, tests a fake, so that clock-dependent
// pictures can be checked exactly.
#pragma once

#include <cstdint>

namespace vorrith {

class MillisecondClock {
public:
    virtual ~MillisecondClock() = default;
    // Milliseconds since some fixed start, wrapping at 2^32.
    virtual uint32_t Milliseconds() = 0;
};

// Installs a clock (not owned); null restores the default.
void SetMillisecondClock(MillisecondClock* clock);
uint32_t TickCount();

// Tick counts wrap every 49.7 days, so deadlines are compared by their signed
// difference: a deadline up to 24.8 days ahead is ahead even when it wrapped past 2^32.
inline int32_t TicksUntil(uint32_t now, uint32_t deadline) { return static_cast<int32_t>(deadline - now); }
inline bool DeadlineReached(uint32_t now, uint32_t deadline) { return TicksUntil(now, deadline) <= 0; }
// Milliseconds from earlier to now, right across a wrap, for spans up to 49.7 days.
inline uint32_t TicksSince(uint32_t now, uint32_t earlier) { return now - earlier; }

}  // namespace vorrith
