#include "core/random.h"

#include <algorithm>
#include <iterator>

namespace vorrith {
namespace detail {
uint32_t randomStateWord = 1;
}  // namespace detail

using detail::randomStateWord;

int32_t RandomTable[kRandomTableSize];
int32_t randomCursor = 0;

void srand(uint32_t seed) { randomStateWord = seed; }

uint32_t RandomState() { return randomStateWord; }

void FillRandomTable() {
    for (int32_t& value : RandomTable) value = rand();
    randomCursor = 0;
}

bool RandomTableHoldsRandResults() {
    return std::all_of(std::begin(RandomTable), std::end(RandomTable),
                       [](int32_t value) { return value >= 0 && value <= kRandMax; });
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
