// The two backdrops of the ground rows.
//
// DrawHorizonHaze blends palette entry 155 over the one or two rows just above
// horizonRow (one table value decides how many): one row at weight 128, or two rows at
// 84 and 168 of 256, the heavier one nearer the ground. horizonRow itself is not hazed.
//
// DrawGroundGradient fills every row from horizonRow to ClipBottom with a dithered
// palette ramp from entry 155 - grain (twice the grain in widening mode) at the horizon
// toward farIndex at the bottom. One table value picks the mode (bit 0 set: the dither
// widens row by row; clear: an even dither of grain entries), then every row reseeds
// the table cursor and reads one value per pixel.
#pragma once

namespace vorrith {

constexpr int kHazeIndex = 155;

void DrawHorizonHaze();
void DrawGroundGradient(int farIndex);

}  // namespace vorrith
