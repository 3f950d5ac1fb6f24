#include "core/random.h"

#include <algorithm>
#include <iterator>

namespace vorrith {
namespace detail {
uint32_t RandomStateWord = 1;
}  // namespace detail

using detail::RandomStateWord;

int32_t RandomTable[kRandomTableSize];
int32_t RandomCursor = 0;

void srand(uint32_t seed) { RandomStateWord = seed; }

uint32_t RandomState() { return RandomStateWord; }

void FillRandomTable() {
    for (int32_t& value : RandomTable) value = rand();
    RandomCursor = 0;
}

bool RandomTableHoldsRandResults() {
    return std::all_of(std::begin(RandomTable), std::end(RandomTable),
                       [](int32_t value) { return value >= 0 && value <= kRandMax; });
}

int JumpRandomCursor() {
    RandomCursor = rand() & kRandomTableMask;
    return RandomCursor;
}

int ImageNumberFromTicks(uint32_t ticks) {
    const int t = static_cast<int>(ticks & 0x7FFF);
    return ((t & 31) << 10) | (t >> 5);
}

}  // namespace vorrith
