// Counting rand() draws in the layers' tests: how many draws lead from one generator
// state to another.
#pragma once

#include <cstdint>

#include "core/random.h"

namespace vorrith {

// The number of rand() draws between two generator states, or -1 beyond `limit`.
inline int DrawsBetween(uint32_t before, uint32_t after, int limit = 1 << 22) {
    uint32_t state = before;
    for (int n = 0; n <= limit; ++n) {
        if (state == after) return n;
        state = state * 214013u + 2531011u;
    }
    return -1;
}

// A seed whose first rand() draw has the wanted low bit.
inline uint32_t SeedWithFirstBit(int bit) {
    for (uint32_t seed = 1;; ++seed) {
        srand(seed);
        if ((rand() & 1) == bit) return seed;
    }
}

}  // namespace vorrith
