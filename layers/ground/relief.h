// DrawRelief: the rolling, shaded terrain of the relief plain, drawn over the ground
// gradient. A 64 x 64 height map (4096 rand() bytes, smoothed 15 times with wrap-around,
// stretched to 0 ... 255) is marched column by column: a ray from the viewer crosses the
// map in 20.12 fixed point, and wherever the terrain rises above the ray the column is
// painted upward to the terrain's projected row, the ground colour brightened or
// darkened by the terrain's height. Rows at or above the horizon take their colour from
// the horizon row (a random nearby column, one rand() each), never from the sky. The top
// pixel of each column is blended with the colour that was there before.
// If the map cannot be allocated nothing is drawn and no value is drawn.
#pragma once

#include <cstdint>

namespace vorrith {

void DrawRelief();

// One colour byte lit by a terrain height of 0 ... 255: above 128 it is brightened
// toward 255, below darkened toward 0; height 128 leaves it unchanged.
uint8_t ReliefShade(int value, int height);

}  // namespace vorrith
