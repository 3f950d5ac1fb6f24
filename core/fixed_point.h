// The fixed-point forms and angle units of the picture code, named once.
//
// FixedPoint<kBits> is a value times 2^kBits held in an int:
//   Fixed8   8.8    palette positions along ramps and gradients, blend weights of 256;
//            24.8   the warp grid's points (1/256 pixel), the relief's top-edge depths
//   Fixed11  21.11  positions along a mask stretched over a row of pixels
//   Fixed12  20.12  palette positions across discs and rocks, heights of the relief's rays
//   Fixed16  16.16  positions while resampling a texture, the relief's terrain samples
// From(whole)          whole x 2^kBits.
// Ratio(part, count)   part x 2^kBits / count, truncated toward zero: the step that
//                      covers `part` in `count` steps, or the fraction part / count.
// Floor(fixed)         the whole part, shifted arithmetically (toward minus infinity).
// Fraction(fixed)      the low kBits bits.
// FromFixed<Form>(v)   v, held in another form, in this one: multiplied up to more
//                      fraction bits, or shifted arithmetically down to fewer.
//
// Q15: sines and cosines times 32768; MulQ15 scales a length by one.
//
// Angles are in the angle unit, 1/2048 of a turn; any integer is an angle, wrapped
// through its low bits.
#pragma once

namespace vorrith {

template <int kBits>
struct FixedPoint {
    static constexpr int kShift = kBits;
    static constexpr int kOne = 1 << kBits;

    static constexpr int From(int whole) { return whole * kOne; }
    static constexpr int Ratio(int part, int count) { return (part * kOne) / count; }
    static constexpr int Floor(int fixed) { return fixed >> kBits; }
    static constexpr int Fraction(int fixed) { return fixed & (kOne - 1); }

    template <class Form>
    static constexpr int FromFixed(int fixed) {
        if constexpr (Form::kShift <= kBits) {
            return fixed * (1 << (kBits - Form::kShift));
        } else {
            return fixed >> (Form::kShift - kBits);
        }
    }
};

using Fixed8 = FixedPoint<8>;
using Fixed11 = FixedPoint<11>;
using Fixed12 = FixedPoint<12>;
using Fixed16 = FixedPoint<16>;

constexpr int kQ15Shift = 15;

// distance * sine >> 15: an offset in pixels from a Q15 sine or cosine.
constexpr int MulQ15(int distance, int q15) { return (distance * q15) >> kQ15Shift; }

constexpr int kAngleUnitsPerTurn = 2048;
constexpr int kHalfTurn = kAngleUnitsPerTurn / 2;
constexpr int kQuarterTurn = kAngleUnitsPerTurn / 4;

// The angle in 0 ... 2047 that equals `angle`.
constexpr int WrapAngle(int angle) { return angle & (kAngleUnitsPerTurn - 1); }

}  // namespace vorrith
