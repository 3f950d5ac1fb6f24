#include "core/sine_table.h"

#include <cmath>

namespace vorrith {

int32_t SineTable[kAngleUnitsPerTurn];

void BuildSineTable() {
    const double radiansPerUnit = 0.0030679615757712823;  // 2pi / 2048
    for (int i = 0; i < kHalfTurn; ++i) {
        const double x = std::sin(i * radiansPerUnit) * 32768.0;
        const int v = static_cast<int>(x >= 0 ? x + 0.5 : x - 0.5);
        SineTable[i] = v;
        SineTable[i + kHalfTurn] = -v;
    }
}

}  // namespace vorrith
