// The moon layer, drawn right after the planet: one to five small moons scattered along
// the ecliptic line, or a single large moon in scenes without a planet. Each moon is a
// shaded disc in palette band 96 ... 127, in half of the cases mottled by a surface
// texture, and from radius 5 up covered with craters: darkened ellipses with a lightened
// copy one pixel up and right, flattened along the radius towards the limb.
#pragma once

namespace vorrith {

void DrawMoons();

// The craters of one moon of the given radius (at least 5) centred at (x, y).
void DrawCraters(int x, int y, int radius, int dither);

}  // namespace vorrith
