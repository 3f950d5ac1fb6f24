// Integer trigonometry of the scene layers.
//
// Angles are in the angle unit (core/fixed_point.h); values are Q15 (32768 = 1.0).
// SineTable[i] = round(sin(i * 2pi / 2048) * 32768), halves away from zero; the second
// half is the exact negation of the first. The peak is 32768, so entries are 32-bit.
#pragma once

#include <cstdint>

#include "core/fixed_point.h"

namespace vorrith {

extern int32_t SineTable[kAngleUnitsPerTurn];

void BuildSineTable();

// Any integer angle; negative angles wrap through their low bits.
inline int TableSin(int angle) { return SineTable[WrapAngle(angle)]; }
inline int TableCos(int angle) { return SineTable[WrapAngle(angle + kQuarterTurn)]; }

}  // namespace vorrith
