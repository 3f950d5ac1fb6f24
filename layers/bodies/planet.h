// The planet layer: one large planet on the scene's ecliptic line, a shaded disc in
// palette band 64 ... 95 with a phase when suns are visible, a mottled surface in half
// of the scenes and faint latitude bands in three out of four. Scenes planned without a
// planet draw nothing and take no random values here.
//
// PlaceOnEcliptic(distance, radius)  the point `distance` pixels (at least radius) back
//                      along the ecliptic line from its anchor, jittered by up to two
//                      rows and clamped to the clip bounds. One rand().
// DrawPlanetBands(cx, cy, radius, tilt)  pairs of bright elliptical arcs above and below
//                      the equator, stacked outward in bands that narrow to the poles.
#pragma once

namespace vorrith {

struct CanvasPoint {
    int x;
    int y;
};

void DrawPlanet();
CanvasPoint PlaceOnEcliptic(int distance, int radius);
void DrawPlanetBands(int cx, int cy, int radius, int tilt);

}  // namespace vorrith
