// Craters of the crater plain: 3 to 5 rows of shallow elliptic dents below the horizon,
// further apart and larger toward the viewer.
//
// DrawCraterRows draws the row count from rand(), then per row one table value for the
// number of craters (0 ... 7; 0 leaves the row empty) and three per crater.
// DrawCrater(size, x, y, deep) shades a flat ellipse eight times wider than high with
// one rim darkened and, one pixel up and right, one lightened; a deep crater first
// darkens a slightly smaller ellipse. Sizes below 3 draw nothing and read nothing.
// Craters stay inside the ground rows and the clip columns.
#pragma once

namespace vorrith {

void DrawCraterRows();
void DrawCrater(int size, int x, int y, bool deep);

}  // namespace vorrith
