// DrawHillRanges(horizonIndex, farIndex, grain, mostBands): two to four bands of hills
// rising over the horizon, each nearer band twice as tall, two palette entries darker
// and with a rougher skyline.
//
// horizonIndex: the ground gradient's palette entry at horizonRow (155); farIndex: its
// entry at ClipBottom; grain: 1 ... 4, the depth of the dither; mostBands: the most
// bands to draw (the sea draws at most 2). Each band is drawn column by column: its skyline is a
// random walk in fixed point, its top pixels are blended in as a soft edge, columns that
// rise above the band's nominal top get a dithered cap, and the body below runs as a
// dithered ramp from the band's colour to the ground's colour at its base. Two table
// values plan the bands; every column of every band reseeds the cursor.
#pragma once

namespace vorrith {

void DrawHillRanges(int horizonIndex, int farIndex, int grain, int mostBands);

}  // namespace vorrith
