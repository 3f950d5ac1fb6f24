// The first layer of every scene: a dithered palette gradient over the sky rows (when
// the plan asks for one), brighter toward the horizon and tilted to brighten from left
// to right, then single-pixel stars: always on a black sky, one scene in three on a
// gradient. Draws straight from rand(): one value per sky pixel.
#pragma once

namespace vorrith {

void DrawSkyBackdrop();
// 75 ... 124 stars above the horizon; on a gradient sky each is a random colour
// averaged with the pixel it replaces.
void DrawStars();

}  // namespace vorrith
