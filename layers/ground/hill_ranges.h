// DrawHillRanges(a, b, k, d): two to four bands of hills rising over the horizon, each
// nearer band twice as tall, two palette entries darker and with a rougher skyline.
//
// a: palette index of the ground at horizonRow (155); b: index at ClipBottom (the far
// index); k: the grain, 1 ... 4, the depth of the dither; d: the most bands to draw
// (the sea draws at most 2). Each band is drawn column by column: its skyline is a
// random walk in fixed point, its top pixels are blended in as a soft edge, columns that
// rise above the band's nominal top get a dithered cap, and the body below runs as a
// dithered ramp from the band's colour to the ground's colour at its base. Two table
// values plan the bands; every column of every band reseeds the cursor.
#pragma once

namespace vorrith {

void DrawHillRanges(int a, int b, int k, int d);

}  // namespace vorrith
