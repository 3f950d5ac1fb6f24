// The scene's random sources.
//
// rand/srand are the system's 15-bit linear congruential generator, defined here so
// every platform draws the same sequence: state = state * 214013 + 2531011 (mod 2^32),
// result = bits 16-30 of the state. One state for the whole process; before any srand
// it behaves as after srand(1).
//
// RandomTable holds 16384 values drawn once per scene by FillRandomTable; layers read it
// through randomCursor, whose low 14 bits select the entry (the cursor itself never
// wraps, so a count of values consumed can be read off it).
#pragma once

#include <cstdint>

namespace vorrith {

constexpr int kRandomTableSize = 16384;
constexpr int kRandomTableMask = kRandomTableSize - 1;

extern int32_t RandomTable[kRandomTableSize];
extern int32_t randomCursor;

void srand(uint32_t seed);
int rand();

// The generator's raw 32-bit state, for checkpoints and tests.
uint32_t RandomState();

void FillRandomTable();
int NextRandomValue();
// Moves the cursor to a random entry (one rand() draw) and returns it.
int JumpRandomCursor();

// The image number the driver derives from a millisecond count: the low 15 bits,
// rotated by five bits so that consecutive milliseconds give distant pictures.
int ImageNumberFromTicks(uint32_t ticks);

constexpr int kMaxImageNumber = 32767;

}  // namespace vorrith
