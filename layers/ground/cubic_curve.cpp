#include "layers/ground/cubic_curve.h"

namespace vorrith {

void CubicCurve::Set(float p0, float p1, float p2, float p3) {
    const double q0 = p0, q1 = p1, q2 = p2, q3 = p3;
    a3 = static_cast<float>(q3 - 3.0 * q2 + 3.0 * q1 - q0);
    a2 = static_cast<float>(3.0 * (q0 - 2.0 * q1 + q2));
    a1 = static_cast<float>(3.0 * (q1 - q0));
    a0 = p0;
}

double CubicCurve::Evaluate(float t) const {
    const double s = t;
    return static_cast<double>(a3) * s * s * s + static_cast<double>(a2) * s * s + static_cast<double>(a1) * s +
           static_cast<double>(a0);
}

}  // namespace vorrith
