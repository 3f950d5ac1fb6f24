// The pixel runs rocks are drawn with; all colours are palette indices.
//
// BlendPaletteDot(x, y, index, halfWeight): blends the entry into pixel (x, y) at weight
// 2 * halfWeight of 256 when x lies within the clip columns; the row is the caller's
// to keep inside the canvas.
// ShadeRun(from, to, y, index, num, den): blends along the row from `from` to `to`
// (leftward when to < from) with a weight that rises evenly to about 256 at `to`; the
// first pixel's weight is scaled by the coverage num / den.
// The dithered bodies between a rock's edges are palette runs
// (layers/shapes/palette_run.h).
#pragma once

namespace vorrith {

void BlendPaletteDot(int x, int y, int index, int halfWeight);
void ShadeRun(int from, int to, int y, int index, int num, int den);

}  // namespace vorrith
