// FixedDivisor: a divisor fixed over many divisions (a picture's constant, a sprite's
// radius), dividing by a multiply and a shift instead of a hardware division.
//
// Quotient(n) and Remainder(n) equal n / d and n % d exactly for every n in
// 0 ... 2^31 - 1 and every divisor d in 1 ... 2^31 - 1: with 2^(l-1) < d <= 2^l, the
// reciprocal 2^(31 + l) / d is rounded up, and its excess, below n / 2^(31 + l) < 2^-l,
// never reaches the 1 / d that separates a quotient from the next.
// TruncatedQuotient(n) is n / d for any n above -2^31 (rounding toward zero).
#pragma once

#include <cstdint>

namespace vorrith {

class FixedDivisor {
public:
    explicit FixedDivisor(int divisor)
        : divisor_(divisor), shift_(31 + CeilLog2(divisor)), reciprocal_((uint64_t{1} << shift_) / divisor + 1) {}

    int Quotient(int n) const { return static_cast<int>((static_cast<uint64_t>(n) * reciprocal_) >> shift_); }
    int Remainder(int n) const { return n - Quotient(n) * divisor_; }
    int TruncatedQuotient(int n) const { return n < 0 ? -Quotient(-n) : Quotient(n); }

private:
    static int CeilLog2(int d) {
        int l = 0;
        while ((int64_t{1} << l) < d) ++l;
        return l;
    }

    int divisor_;
    int shift_;
    uint64_t reciprocal_;
};

}  // namespace vorrith
