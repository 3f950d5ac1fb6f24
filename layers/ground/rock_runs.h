// The pixel runs rocks are drawn with; all colours are palette indices.
//
// BlendPaletteDot(x, y, index, halfWeight): blends the entry into pixel (x, y) at weight
// 2 * halfWeight of 256 when x lies within the clip columns; the row is the caller's
// to keep inside the canvas.
// ShadeRun(from, to, y, index, num, den): blends along the row from `from` to `to`
// (leftward when to < from) with a weight that rises evenly to about 256 at `to`; the
// first pixel's weight is scaled by the coverage num / den.
// FillRunDithered(from, to, y, fromIndex, toIndex, dither): writes a run of palette
// colours interpolated from fromIndex to toIndex (20.12 fixed point, clipped to the clip
// columns), each raised by a random 0 ... dither - 1 entries from one table value but
// never past toIndex. A one-pixel run (from = to) takes the middle index and no value.
#pragma once

namespace vorrith {

void BlendPaletteDot(int x, int y, int index, int halfWeight);
void ShadeRun(int from, int to, int y, int index, int num, int den);
void FillRunDithered(int from, int to, int y, int fromIndex, int toIndex, int dither);

}  // namespace vorrith
