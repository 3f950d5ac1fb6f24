// DrawDivisor: a divisor fixed over many rand() draws, dividing by a multiply.
//
// Quotient(n) and Remainder(n) equal n / d and n % d exactly for every draw value n in
// 0 ... 32767 and every divisor d in 1 ... 32768: the reciprocal 2^32 / d is rounded
// up, and its excess, at most n / 2^32 < 2^-17, never reaches the 1 / d that separates
// a quotient from the next. Used where a per-pixel `%` by a picture's constant would
// otherwise cost a hardware division per pixel.
#pragma once

#include <cstdint>

namespace vorrith {

class DrawDivisor {
public:
    explicit DrawDivisor(int divisor)
        : divisor_(static_cast<uint32_t>(divisor)), reciprocal_((uint64_t{1} << 32) / divisor_ + 1) {}

    int Quotient(int draw) const { return static_cast<int>((static_cast<uint32_t>(draw) * reciprocal_) >> 32); }
    int Remainder(int draw) const { return draw - Quotient(draw) * static_cast<int>(divisor_); }

private:
    uint32_t divisor_;
    uint64_t reciprocal_;
};

}  // namespace vorrith
