// A millisecond clock that a test sets by hand, installed as the program's clock for as
// long as it lives, so that code reading the time sees only what the test says.
#pragma once

#include <cstdint>

#include "core/clock.h"

namespace vorrith {

class InstalledFakeClock : public MillisecondClock {
public:
    explicit InstalledFakeClock(uint32_t start) : now(start) { SetMillisecondClock(this); }
    ~InstalledFakeClock() override { SetMillisecondClock(nullptr); }
    InstalledFakeClock(const InstalledFakeClock&) = delete;
    InstalledFakeClock& operator=(const InstalledFakeClock&) = delete;

    uint32_t Milliseconds() override { return now; }

    uint32_t now;
};

}  // namespace vorrith
