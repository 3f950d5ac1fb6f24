// The weights that resample one axis of a picture: for each output pixel the run of
// source pixels it reads and how much of each, in fixed point.
//
// Shrinking averages areas: an output pixel covers an interval of source pixels, and each
// weighs by the share of that interval it covers, so thin lines and stars fade evenly
// instead of flickering in and out. Enlarging uses the Catmull-Rom cubic over four
// source pixels: sharp, and it passes through the source pixels, so a scale of 1 is the
// picture itself. It is a polynomial, so its weights come out of integer arithmetic
// exactly alike in every build; Lanczos-3 would need sines, six taps instead of four,
// and rings more around the hard edges of suns and planets on black sky. Nearest takes
// the source pixel under each output pixel's centre.
//
// Every output pixel's weights are in kWeightBits fixed point and sum to exactly
// kWeightOne. Source pixels beyond an edge count as the edge pixel, so the picture's
// border keeps its own colour. Output pixel j of a picture placed over D output pixels
// from S source pixels has its centre at source position (j + 1/2) * S / D.
#pragma once

#include <cstdint>
#include <memory>

namespace vorrith {

enum class ScaleFilter { kSmooth, kNearest };

constexpr int kWeightBits = 14;
constexpr int kWeightOne = 1 << kWeightBits;

class AxisWeights {
public:
    // Weights for an axis of sourceLength pixels placed over output pixels
    // placeStart ... placeStart + placeLength - 1, for the output pixels
    // 0 ... outputLength - 1 that the placement covers. Lengths are at least 1. False
    // when memory ran out.
    bool Make(int sourceLength, int placeStart, int placeLength, int outputLength, ScaleFilter filter);

    // The output pixels the picture covers: first() ... end() - 1 (none when equal).
    int first() const { return first_; }
    int end() const { return end_; }
    // The source pixels any covered output pixel reads: sourceFirst() ... sourceEnd() - 1.
    int sourceFirst() const { return sourceFirst_; }
    int sourceEnd() const { return sourceEnd_; }
    // The most source pixels one output pixel reads.
    int maxTaps() const { return maxTaps_; }

    // Covered output pixel `output` reads TapCount source pixels from FirstTap on, with
    // Weights(output)[0 ... TapCount - 1].
    int FirstTap(int output) const { return firstTap_[output - first_]; }
    int TapCount(int output) const { return tapCount_[output - first_]; }
    const int16_t* Weights(int output) const { return weights_.get() + (output - first_) * maxTaps_; }

private:
    int first_ = 0;
    int end_ = 0;
    int sourceFirst_ = 0;
    int sourceEnd_ = 0;
    int maxTaps_ = 0;
    std::unique_ptr<int32_t[]> firstTap_;
    std::unique_ptr<int32_t[]> tapCount_;
    std::unique_ptr<int16_t[]> weights_;
};

}  // namespace vorrith
