#include "present/resampling_weights.h"

#include <algorithm>
#include <new>

namespace vorrith {
namespace {

// The source pixels of one output pixel while its weights are worked out.
struct TapSpan {
    int first;
    int count;
};

// n / d rounded toward minus infinity; d > 0.
int64_t FloorDivide(int64_t n, int64_t d) {
    const int64_t q = n / d;
    return q * d > n ? q - 1 : q;
}

// n / d rounded to the nearest integer, halves up; d > 0.
int64_t RoundedDivide(int64_t n, int64_t d) { return FloorDivide(2 * n + d, 2 * d); }

// Output pixel j covers source positions j * S / D ... (j + 1) * S / D; counted in
// 1/D of a source pixel that is jS ... (j + 1)S, and source pixel k is kD ... (k + 1)D.
// Each source pixel weighs by its overlap with the output pixel, of S in all.
TapSpan AreaTaps(int64_t S, int64_t D, int64_t j, int32_t* weights) {
    const int64_t from = j * S;
    const int64_t to = from + S;
    const int64_t first = from / D;
    const int64_t last = (to - 1) / D;
    for (int64_t k = first; k <= last; ++k) {
        const int64_t overlap = std::min((k + 1) * D, to) - std::max(k * D, from);
        weights[k - first] = static_cast<int32_t>(RoundedDivide(overlap * kWeightOne, S));
    }
    return {static_cast<int>(first), static_cast<int>(last - first + 1)};
}

// The Catmull-Rom weights of source pixels k - 1 ... k + 2 for a point a fraction t
// (16 fraction bits) of the way from pixel k to pixel k + 1. The cubic's coefficients
// are halves: the sums below are twice each weight with 48 fraction bits, so halving
// and going down to kWeightBits is a division by 2^(48 - kWeightBits + 1).
void CatmullRomWeights(int64_t t, int32_t weights[4]) {
    const int64_t t1 = t << 32;
    const int64_t t2 = (t * t) << 16;
    const int64_t t3 = t * t * t;
    const int64_t one = int64_t{1} << 48;
    const int64_t toWeight = int64_t{1} << (48 - kWeightBits + 1);
    weights[0] = static_cast<int32_t>(RoundedDivide(-t3 + 2 * t2 - t1, toWeight));
    weights[1] = static_cast<int32_t>(RoundedDivide(3 * t3 - 5 * t2 + 2 * one, toWeight));
    weights[2] = static_cast<int32_t>(RoundedDivide(-3 * t3 + 4 * t2 + t1, toWeight));
    weights[3] = static_cast<int32_t>(RoundedDivide(t3 - t2, toWeight));
}

// Output pixel j's centre, less half a pixel, is at source position
// ((2j + 1)S - D) / 2D: between pixels k and k + 1. Taps beyond the edges fold onto
// the edge pixels.
TapSpan CatmullRomTaps(int64_t S, int64_t D, int64_t j, int32_t* weights) {
    const int64_t position = (2 * j + 1) * S - D;
    const int64_t k = FloorDivide(position, 2 * D);
    const int64_t t = ((position - k * 2 * D) << 16) / (2 * D);
    int32_t cubic[4];
    CatmullRomWeights(t, cubic);
    const int64_t first = std::clamp<int64_t>(k - 1, 0, S - 1);
    const int64_t last = std::clamp<int64_t>(k + 2, 0, S - 1);
    std::fill(weights, weights + (last - first + 1), 0);
    for (int i = 0; i < 4; ++i) weights[std::clamp<int64_t>(k - 1 + i, 0, S - 1) - first] += cubic[i];
    return {static_cast<int>(first), static_cast<int>(last - first + 1)};
}

// The source pixel under output pixel j's centre, (2j + 1)S / 2D.
TapSpan NearestTap(int64_t S, int64_t D, int64_t j, int32_t* weights) {
    weights[0] = kWeightOne;
    return {static_cast<int>((2 * j + 1) * S / (2 * D)), 1};
}

// Drops zero weights at both ends of the span, then hands what rounding lost or added
// to the largest weight, so that the stored weights sum to exactly kWeightOne.
TapSpan Settle(TapSpan span, int32_t* weights, int16_t* stored) {
    int lead = 0;
    while (lead < span.count - 1 && weights[lead] == 0) ++lead;
    while (span.count - 1 > lead && weights[span.count - 1] == 0) --span.count;
    int32_t sum = 0;
    int largest = lead;
    for (int i = lead; i < span.count; ++i) {
        sum += weights[i];
        if (weights[i] > weights[largest]) largest = i;
    }
    weights[largest] += kWeightOne - sum;
    for (int i = lead; i < span.count; ++i) stored[i - lead] = static_cast<int16_t>(weights[i]);
    return {span.first + lead, span.count - lead};
}

template <class T>
std::unique_ptr<T[]> Allocated(size_t count) {
    return std::unique_ptr<T[]>(new (std::nothrow) T[std::max<size_t>(count, 1)]());
}

}  // namespace

bool AxisWeights::Make(int sourceLength, int placeStart, int placeLength, int outputLength, ScaleFilter filter) {
    const bool shrinking = placeLength < sourceLength;
    auto taps = filter == ScaleFilter::kNearest ? NearestTap : shrinking ? AreaTaps : CatmullRomTaps;
    maxTaps_ = filter == ScaleFilter::kNearest ? 1 : shrinking ? (sourceLength - 1) / placeLength + 2 : 4;
    first_ = std::clamp(placeStart, 0, outputLength);
    end_ = std::clamp(placeStart + placeLength, first_, outputLength);
    const size_t covered = static_cast<size_t>(end_ - first_);
    firstTap_ = Allocated<int32_t>(covered);
    tapCount_ = Allocated<int32_t>(covered);
    weights_ = Allocated<int16_t>(covered * static_cast<size_t>(maxTaps_));
    const std::unique_ptr<int32_t[]> exact = Allocated<int32_t>(static_cast<size_t>(maxTaps_));
    if (!firstTap_ || !tapCount_ || !weights_ || !exact) return false;
    sourceFirst_ = covered == 0 ? 0 : sourceLength;
    sourceEnd_ = 0;
    for (int output = first_; output < end_; ++output) {
        const TapSpan raw = taps(sourceLength, placeLength, output - placeStart, exact.get());
        const TapSpan span = Settle(raw, exact.get(), weights_.get() + (output - first_) * maxTaps_);
        firstTap_[output - first_] = span.first;
        tapCount_[output - first_] = span.count;
        sourceFirst_ = std::min(sourceFirst_, span.first);
        sourceEnd_ = std::max(sourceEnd_, span.first + span.count);
    }
    return true;
}

}  // namespace vorrith
