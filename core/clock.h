// The millisecond clock behind image number -1 and the saver's reseeding. The default
// is a monotonic clock; the Windows program installs the system tick count, tests a
// fake, so that clock-dependent pictures can be checked exactly.
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

}  // namespace vorrith
