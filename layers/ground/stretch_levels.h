// StretchLevels(buffer, length, low, high): maps the bytes linearly so that the smallest
// becomes low and the largest high (truncating). A buffer of one constant value, having
// no range to stretch, becomes all 128.
#pragma once

#include <cstdint>

namespace vorrith {

void StretchLevels(uint8_t* buffer, int length, int low, int high);

}  // namespace vorrith
