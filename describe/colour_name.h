// A plain English name for a colour value, for sentences about a picture: the name of
// its hue ("red", "orange", "yellow", "green", "teal", "blue", "purple", "pink"), or for
// dull colours "grey", "olive" (dull yellows and yellow-greens) and "brown" (dark or
// dull reds and oranges).
#pragma once

#include <cstdint>

namespace vorrith {

const char* ColourName(uint32_t colour);

}  // namespace vorrith
