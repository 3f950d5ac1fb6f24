// CubicCurve: the Bezier curve through four control values p0 ... p3 over t in [0, 1],
// held as the single-precision coefficients of A3 t^3 + A2 t^2 + A1 t + A0.
// Evaluate(0) is p0 and Evaluate(1) is p3; evaluation is done in double from the stored
// coefficients. The river's course, depth and meanders are such curves; their single
// precision is part of the picture.
#pragma once

namespace vorrith {

class CubicCurve {
public:
    void Set(float p0, float p1, float p2, float p3);
    double Evaluate(float t) const;

private:
    float a3 = 0.0f;
    float a2 = 0.0f;
    float a1 = 0.0f;
    float a0 = 0.0f;
};

}  // namespace vorrith
