#include "core/random.h"

namespace vorrith {
namespace {
uint32_t randomStateWord = 1;
}

int32_t RandomTable[kRandomTableSize];
int32_t randomCursor = 0;

void srand(uint32_t seed) { randomStateWord = seed; }

int rand() {
    randomStateWord = randomStateWord * 214013u + 2531011u;
    return static_cast<int>((randomStateWord >> 16) & 0x7FFF);
}

uint32_t RandomState() { return randomStateWord; }

void FillRandomTable() {
    for (int32_t& value : RandomTable) value = rand();
    randomCursor = 0;
}

int NextRandomValue() {
    const int value = RandomTable[randomCursor & kRandomTableMask];
    ++randomCursor;
    return value;
}

int JumpRandomCursor() {
    randomCursor = rand() & kRandomTableMask;
    return randomCursor;
}

int ImageNumberFromTicks(uint32_t ticks) {
    const int t = static_cast<int>(ticks & 0x7FFF);
    return ((t & 31) << 10) | (t >> 5);
}

}  // namespace vorrith
