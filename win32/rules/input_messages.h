// The saver window's messages that carry input or power news, mapped onto the portable
// input events the ending rules judge (saver/input_event.h).
#pragma once

#include <cstdint>
#include <optional>

#include "saver/input_event.h"

namespace vorrith {

// Key and mouse-button presses and mouse moves, whatever their parameters.
bool IsUserInput(uint32_t message);

// The event a message stands for, if any: keys, buttons and moves; activation passing
// to another program; a suspend or resume (the 9x family's critical resume, and every
// power broadcast but the reports of battery charge, power source or a power setting,
// which become kPowerReport). The position of a move is the caller's to read.
std::optional<InputKind> InputKindOf(uint32_t message, uintptr_t wParam);

}  // namespace vorrith
