// The scene's random sources.
//
// rand/srand are the system's 15-bit linear congruential generator, defined here so
// every platform draws the same sequence: state = state * 214013 + 2531011 (mod 2^32),
// result = bits 16-30 of the state. One state for the whole process; before any srand
// it behaves as after srand(1).
//
// RandomTable holds 16384 values drawn once per scene by FillRandomTable; layers read it
// through RandomCursor, whose low 14 bits select the entry (the cursor itself never
// wraps, so a count of values consumed can be read off it).
#pragma once

#include <cstdint>

namespace vorrith {

constexpr int kRandMax = 0x7FFF;
constexpr int kRandomTableSize = 16384;
constexpr int kRandomTableMask = kRandomTableSize - 1;

extern int32_t RandomTable[kRandomTableSize];
extern int32_t RandomCursor;

namespace detail {
// The generator's state; only srand/rand and RandomState touch it. It lives here so
// that rand() can be inlined into the per-pixel loops that draw from it.
extern uint32_t RandomStateWord;
}  // namespace detail

void srand(uint32_t seed);
inline int rand() {
    detail::RandomStateWord = detail::RandomStateWord * 214013u + 2531011u;
    return static_cast<int>((detail::RandomStateWord >> 16) & kRandMax);
}

// The generator's raw 32-bit state, for checkpoints and tests.
uint32_t RandomState();

void FillRandomTable();
// True when every table value is a rand() result (0 ... kRandMax), as FillRandomTable
// leaves them; the fast paths that rely on it check once per layer, since tests plant
// other values.
bool RandomTableHoldsRandResults();
inline int NextRandomValue() {
    const int value = RandomTable[RandomCursor & kRandomTableMask];
    ++RandomCursor;
    return value;
}
// Moves the cursor past count entries without reading them. Layers do it where the
// pictures were made with reads whose values went unused; later reads depend on it.
inline void SkipRandomValues(int count) { RandomCursor += count; }
// Moves the cursor to a random entry (one rand() draw) and returns it.
int JumpRandomCursor();

// The image number the driver derives from a millisecond count: the low 15 bits,
// rotated by five bits so that consecutive milliseconds give distant pictures.
int ImageNumberFromTicks(uint32_t ticks);

constexpr int kMaxImageNumber = 32767;

}  // namespace vorrith
