// FillSmoothDisc: an opaque disc of radius n - 1 whose outermost pixels are blended by
// how far they lie outside the circle, so the edge looks smooth.
//
// n < 1 draws nothing; n = 1 sets the centre pixel. Colour components are bytes (the low
// byte of each is used). Everything is clipped to the canvas.
#pragma once

namespace vorrith {

void FillSmoothDisc(int x, int y, int n, int red, int green, int blue);

}  // namespace vorrith
