// Ellipse shading: lightens or darkens the canvas along or inside a tilted ellipse by
// scaling pixel colours (ScalePixel), with no colour of its own. Craters on moons and on
// the ground and the planet's latitude bands are made of it.
//
// Angles are in the angle unit (2048 per turn). The point for parameter theta of an
// ellipse with centre (cx, cy), semi-axes rx, ry and tilt T is
//   ex = cos(theta) * rx >> 15, ey = sin(theta) * ry >> 15,
//   X = cx + (ex cos T >> 15) - (ey sin T >> 15), Y = cy + (ey cos T >> 15) + (ex sin T >> 15);
// with T = 0, parameters 0 ... 1023 give the half below the centre.
//
// Rows are limited to the rows of the scene plan's palette band number `band` (sky bands
// 0-3, ground bands 4 and up), columns to ClipLeft ... ClipRight; nothing else is ever
// touched. `ignored` arguments are passed by callers and have no effect.
//
// ShadeEllipseArc  walks parameters thetaStart ... thetaEnd and scales each new pixel it
//                  passes that lies within clipR of (clipX, clipY). jitter 0: a clean
//                  arc, factor 260/256, step 57 / rx. jitter > 0: a ragged arc, factor
//                  265/256, step 57 / jitter, and one rand() per step for Y plus one for
//                  X on the steps whose row lies inside the band.
// ShadeEllipse     one rand() picks the form. Outline (even draw): two clean arcs, the
//                  half turn from 0 with ryFirst and the one from 1024 with rySecond;
//                  always lightens by 260/256 whatever the strength. Filled (odd draw):
//                  one more rand() sets factor 256 + strength * (24 ... 55) / 8 (strength
//                  0 leaves pixels unchanged, negative darkens), then the interior is
//                  scanned row by row, lagging the outline by one row. The clip disc
//                  applies to the outline form only.
#pragma once

namespace vorrith {

void ShadeEllipseArc(int cx, int cy, int rx, int ry, int tilt, int thetaStart, int thetaEnd, int band,
                     int ignored, int jitter, int clipX, int clipY, int clipR);

void ShadeEllipse(int cx, int cy, int rx, int ryFirst, int rySecond, int band, int angle, int strength,
                  int ignored, int clipX, int clipY, int clipR);

}  // namespace vorrith
