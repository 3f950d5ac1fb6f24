#include "win32/tick_clock_win32.h"

#include <windows.h>

#include "core/clock.h"

namespace vorrith {
namespace {

class TickCountClock : public MillisecondClock {
public:
    uint32_t Milliseconds() override { return GetTickCount(); }
};

TickCountClock tickCountClock;

}  // namespace

void InstallTickCountClock() { SetMillisecondClock(&tickCountClock); }

}  // namespace vorrith
