// Integer trigonometry of the scene layers.
//
// Angles are in the angle unit, 1/2048 of a turn; values are Q15 (32768 = 1.0).
// SineTable[i] = round(sin(i * 2pi / 2048) * 32768), halves away from zero; the second
// half is the exact negation of the first. The peak is 32768, so entries are 32-bit.
#pragma once

#include <cstdint>

namespace vorrith {

constexpr int kAngleUnitsPerTurn = 2048;
constexpr int kQ15Shift = 15;

extern int32_t SineTable[kAngleUnitsPerTurn];

void BuildSineTable();

// Any integer angle; negative angles wrap through their low bits.
inline int TableSin(int angle) { return SineTable[angle & (kAngleUnitsPerTurn - 1)]; }
inline int TableCos(int angle) { return SineTable[(angle + 512) & (kAngleUnitsPerTurn - 1)]; }

// distance * sine >> 15: an offset in pixels from a Q15 sine or cosine.
inline int MulQ15(int distance, int q15) { return (distance * q15) >> kQ15Shift; }

}  // namespace vorrith
