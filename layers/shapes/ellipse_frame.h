// The geometry shared by the ellipse walks: the point for parameter theta of an ellipse
// with centre (cx, cy), semi-axes rx, ry and tilt T is
//   ex = cos(theta) * rx >> 15, ey = sin(theta) * ry >> 15,
//   X = cx + (ex cos T >> 15) - (ey sin T >> 15), Y = cy + (ey cos T >> 15) + (ex sin T >> 15).
// Internal to the ellipse shading files.
#pragma once

#include <cstdint>

#include "core/sine_table.h"

namespace vorrith {

// The angular step is 57 / radius, so a walk takes a few steps per pixel of outline
// whatever the size.
constexpr int kStepNumerator = 57;

// The ellipse's own offsets for parameter theta, before the tilt.
struct EllipseOffset {
    int ex;
    int ey;
};

inline bool operator==(EllipseOffset a, EllipseOffset b) { return a.ex == b.ex && a.ey == b.ey; }

// Matches no offset a walk computes: radii stay far below 2^31.
constexpr EllipseOffset kNoOffset{INT32_MIN, INT32_MIN};

inline EllipseOffset OffsetAt(int theta, int rx, int ry) {
    return {MulQ15(rx, TableCos(theta)), MulQ15(ry, TableSin(theta))};
}

// Centre and tilt of an ellipse, the tilt's sine and cosine looked up once.
struct EllipseFrame {
    int cx;
    int cy;
    int cosTilt;
    int sinTilt;

    EllipseFrame(int x, int y, int tilt) : cx(x), cy(y), cosTilt(TableCos(tilt)), sinTilt(TableSin(tilt)) {}
    int Row(EllipseOffset e) const { return cy + MulQ15(e.ey, cosTilt) + MulQ15(e.ex, sinTilt); }
    int Column(EllipseOffset e) const { return cx + MulQ15(e.ex, cosTilt) - MulQ15(e.ey, sinTilt); }
};

}  // namespace vorrith
