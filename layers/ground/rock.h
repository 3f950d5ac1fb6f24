// DrawRock(x, base, width, height, lowIndex, highIndex): one boulder centred on column
// x, its body ending on the row above `base`.
//
// The rock is built row by row from its top: the left and right edges wander outward
// and then back inward (edges in 1/16 pixel, each move bounded by a speed that shrinks
// row by row), the edges are soft blends, the body between is a dithered ramp from the
// left-side index (darkening toward lowIndex) to the right-side index (rising toward
// highIndex, then falling), a tilted shadow ellipse darkens the ground, and a narrower
// foot row closes it. A rock under 3 rows high or 4 columns wide is a pebble: a few
// blended dots at its base. A rock wholly left or right of the clip columns, or whose
// top is at or below ClipBottom, draws nothing and reads no random value.
#pragma once

namespace vorrith {

void DrawRock(int x, int base, int width, int height, int lowIndex, int highIndex);

}  // namespace vorrith
