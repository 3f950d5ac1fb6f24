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
// Rows are limited to the rows of one band of the scene plan (sky rows for the sun,
// sky, planet and moon bands, ground rows for the others), columns to ClipLeft ...
// ClipRight; nothing else is ever touched.
//
// ShadeEllipseArc  walks parameters thetaStart ... thetaEnd and scales each new pixel it
//                  passes that lies within the clip circle. jitter 0: a clean arc,
//                  factor 260/256, step 57 / rx. jitter > 0: a ragged arc, factor
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

#include "core/fixed_point.h"
#include "core/scene_plan.h"

namespace vorrith {

// The disc an outline's pixels must lie in: within radius of (x, y).
struct ClipCircle {
    int x;
    int y;
    int radius;
};

// A circle wider than any scene: nothing is clipped by it.
constexpr ClipCircle kNoClipCircle{0, 0, 32767};

struct EllipseArc {
    int cx, cy;
    int rx, ry;
    int tilt;
    int thetaStart, thetaEnd;  // inclusive
    BandName rowsOf;
    int jitter;  // 0: clean; above 0: ragged
    ClipCircle clip;
};

// The half turns an outline is drawn in, each with its own vertical semi-axis.
constexpr int kFirstHalfEnd = kHalfTurn - 1;
constexpr int kSecondHalfStart = kHalfTurn;
constexpr int kSecondHalfEnd = kAngleUnitsPerTurn - 1;

struct ShadedEllipse {
    int cx, cy;
    int rx;
    int ryFirst;   // vertical semi-axis of the first half turn
    int rySecond;  // and of the second
    int tilt;
    BandName rowsOf;
    int strength;     // the filled form's; 0 keeps, negative darkens
    ClipCircle clip;  // the outline form's
};

void ShadeEllipseArc(const EllipseArc& arc);
void ShadeEllipse(const ShadedEllipse& ellipse);

}  // namespace vorrith
