#include "core/clock.h"

#include <chrono>

namespace vorrith {
namespace {

class SteadyClock : public MillisecondClock {
public:
    uint32_t Milliseconds() override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
};

SteadyClock defaultClock;
MillisecondClock* installedClock = &defaultClock;

}  // namespace

void SetMillisecondClock(MillisecondClock* clock) { installedClock = clock ? clock : &defaultClock; }

uint32_t TickCount() { return installedClock->Milliseconds(); }

}  // namespace vorrith
