// TableRemainder: value % divisor for table values, by a multiply instead of a hardware
// division, for a divisor fixed over a row or a band.
//
// The table values the ground layers divide are rand() results, 0 ... 32767. For such a
// value u and a divisor d in 2 ... 2^17 - 1, with m = 2^32 / d + 1 (rounded down, then
// up by one), u * m / 2^32 exceeds u / d by less than u / 2^32, which stays below the
// 1 / d that separates one quotient from the next because u * d < 2^32: the product's
// high word is the exact quotient.
//
// Fits(d) tells whether a divisor is in range (1 is not: its m would need 33 bits).
// Of(value) is value % divisor for any value, taking the multiply for 0 ... 32767 and
// the hardware division otherwise; OfRandResult(value) skips that check and must only
// be given 0 ... 32767; a layer that checked RandomTableHoldsRandResults() once may
// use it for every table value.
#pragma once

#include <algorithm>
#include <cstdint>

#include "core/random.h"

namespace vorrith {

class TableRemainder {
public:
    static bool Fits(int divisor) { return divisor > 1 && divisor < (1 << 17); }

    // divisor must Fit.
    explicit TableRemainder(int divisor)
        : divisor_(divisor), reciprocal_(static_cast<uint32_t>((uint64_t{1} << 32) / static_cast<uint32_t>(divisor) + 1)) {}

    int OfRandResult(int32_t value) const {
        const uint32_t u = static_cast<uint32_t>(value);
        const uint32_t quotient = static_cast<uint32_t>((uint64_t{u} * reciprocal_) >> 32);
        return static_cast<int>(u - quotient * static_cast<uint32_t>(divisor_));
    }
    int Of(int32_t value) const { return IsRandResult(value) ? OfRandResult(value) : value % divisor_; }

    static bool IsRandResult(int32_t value) { return value >= 0 && value <= 0x7FFF; }

private:
    int divisor_;
    uint32_t reciprocal_;
};

// True when every table value is a rand() result, as FillRandomTable leaves them.
inline bool RandomTableHoldsRandResults() {
    return std::all_of(RandomTable, RandomTable + kRandomTableSize, TableRemainder::IsRandResult);
}

}  // namespace vorrith
