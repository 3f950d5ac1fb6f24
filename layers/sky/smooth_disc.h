// FillSmoothDisc: an opaque disc of radius n - 1 whose outermost pixels are blended by
// how far they lie outside the circle, so the edge looks smooth.
//
// n < 1 draws nothing; n = 1 sets the centre pixel. Everything is clipped to the canvas.
#pragma once

#include <cstdint>

namespace vorrith {

void FillSmoothDisc(int x, int y, int n, uint32_t colour);

}  // namespace vorrith
