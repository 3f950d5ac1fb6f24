#include "present/picture_resampler.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace vorrith {
namespace {

// The fraction bits of a source row resampled across: enough that the second pass's
// rounding decides the byte, few enough for 16 bits (a cubic reaches about
// 1.13 x 255 x 2^6 = 18400) and for the second pass's 32-bit sums (that, times weights
// of at most about 1.25 x 2^14 in all).
constexpr int kAcrossBits = 6;
constexpr int kAcrossShift = kWeightBits - kAcrossBits;
constexpr int kOutputShift = kWeightBits + kAcrossBits;

// Sums start at half of the step their shift drops, so that the shift rounds to the
// nearest value, halves up (the shifts are arithmetic).
constexpr int32_t HalfStep(int shift) { return 1 << (shift - 1); }

uint8_t ToByte(int32_t roundedSum) { return static_cast<uint8_t>(std::clamp(roundedSum >> kOutputShift, 0, 255)); }

// A placement's coordinates stay far from int's limits, and so do their sums.
constexpr int kLargestPlacement = 1 << 20;

bool IsPlacement(const PixelRect& place) {
    return place.width >= 1 && place.height >= 1 && place.width <= kLargestPlacement &&
           place.height <= kLargestPlacement && std::abs(place.left) <= kLargestPlacement &&
           std::abs(place.top) <= kLargestPlacement;
}

bool AcceptsSizes(const PixelRows& picture, PictureSize size) {
    return picture.pixels != nullptr && picture.width >= 1 && picture.height >= 1 && IsOutputSize(size);
}

PixelRect PlaceIfAny(const PixelRows& picture, PictureSize size, FitMode mode) {
    if (!AcceptsSizes(picture, size)) return {};
    return PlacePicture(picture.width, picture.height, size, mode);
}

template <class T>
std::unique_ptr<T[]> Allocated(size_t count) {
    return std::unique_ptr<T[]>(new (std::nothrow) T[std::max<size_t>(count, 1)]);
}

}  // namespace

PictureResampler::PictureResampler(const PixelRows& picture, PictureSize size, FitMode mode, ScaleFilter filter)
    : PictureResampler(picture, size, PlaceIfAny(picture, size, mode), filter) {}

PictureResampler::PictureResampler(const PixelRows& picture, PictureSize size, const PixelRect& place,
                                   ScaleFilter filter)
    : picture_(picture),
      size_(size) {
    if (!AcceptsSizes(picture, size) || !IsPlacement(place)) return;
    if (!columns_.Make(picture.width, place.left, place.width, size.width, filter) ||
        !rows_.Make(picture.height, place.top, place.height, size.height, filter)) {
        return;
    }
    coveredValues_ = static_cast<size_t>(columns_.end() - columns_.first()) * 3;
    keptRows_ = rows_.maxTaps();
    across_ = Allocated<int16_t>(coveredValues_ * static_cast<size_t>(keptRows_));
    keptRow_ = Allocated<int32_t>(static_cast<size_t>(keptRows_));
    rowSums_ = Allocated<int32_t>(coveredValues_);
    if (!across_ || !keptRow_ || !rowSums_) return;
    std::fill(keptRow_.get(), keptRow_.get() + keptRows_, -1);
    ok_ = true;
}

void PictureResampler::MakeRows(int top, int rows, uint8_t* out, size_t stride) {
    for (int y = top; y < top + rows; ++y) MakeRow(y, out + static_cast<size_t>(y - top) * stride);
}

void PictureResampler::MakeRow(int y, uint8_t* out) {
    const size_t rowBytes = static_cast<size_t>(size_.width) * 3;
    if (y < rows_.first() || y >= rows_.end()) {
        std::memset(out, 0, rowBytes);
        return;
    }
    const size_t left = static_cast<size_t>(columns_.first()) * 3;
    std::memset(out, 0, left);
    std::memset(out + left + coveredValues_, 0, rowBytes - left - coveredValues_);
    int32_t* sums = rowSums_.get();
    std::fill(sums, sums + coveredValues_, HalfStep(kOutputShift));
    const int16_t* weights = rows_.Weights(y);
    for (int tap = 0; tap < rows_.TapCount(y); ++tap) {
        const int16_t* across = AcrossRow(rows_.FirstTap(y) + tap);
        const int32_t weight = weights[tap];
        for (size_t i = 0; i < coveredValues_; ++i) sums[i] += weight * across[i];
    }
    for (size_t i = 0; i < coveredValues_; ++i) out[left + i] = ToByte(sums[i]);
}

// Source row sourceRow resampled across, from the slot it is kept in. An output row
// reads at most keptRows_ consecutive source rows, and those lie in distinct slots.
const int16_t* PictureResampler::AcrossRow(int sourceRow) {
    const int slot = sourceRow % keptRows_;
    int16_t* across = across_.get() + static_cast<size_t>(slot) * coveredValues_;
    if (keptRow_[slot] != sourceRow) {
        ResampleAcross(sourceRow, across);
        keptRow_[slot] = sourceRow;
    }
    return across;
}

// The covered output columns of a source row, with kAcrossBits fraction bits.
void PictureResampler::ResampleAcross(int sourceRow, int16_t* across) const {
    const uint8_t* source = picture_.pixels + static_cast<size_t>(sourceRow) * picture_.stride;
    for (int x = columns_.first(); x < columns_.end(); ++x, across += 3) {
        const uint8_t* in = source + static_cast<size_t>(columns_.FirstTap(x)) * 3;
        const int16_t* weights = columns_.Weights(x);
        int32_t blue = HalfStep(kAcrossShift), green = HalfStep(kAcrossShift), red = HalfStep(kAcrossShift);
        for (int tap = 0; tap < columns_.TapCount(x); ++tap, in += 3) {
            blue += weights[tap] * in[0];
            green += weights[tap] * in[1];
            red += weights[tap] * in[2];
        }
        across[0] = static_cast<int16_t>(blue >> kAcrossShift);
        across[1] = static_cast<int16_t>(green >> kAcrossShift);
        across[2] = static_cast<int16_t>(red >> kAcrossShift);
    }
}

AllocateResult ResamplePicture(const PixelRows& picture, PictureSize size, FitMode mode, ScaleFilter filter,
                               Surface& out) {
    PictureResampler resampler(picture, size, mode, filter);
    if (!resampler.ok()) return AcceptsSizes(picture, size) ? kOutOfMemory : kInvalidSize;
    const AllocateResult allocated = out.Allocate(size.width, size.height);
    if (allocated != kAllocated) return allocated;
    const size_t rowBytes = static_cast<size_t>(size.width) * 3;
    for (int y = 0; y < size.height; ++y) {
        std::memset(out.PixelAddress(0, y) + rowBytes, 0, static_cast<size_t>(out.stride) - rowBytes);
    }
    resampler.MakeRows(0, size.height, out.pixels, static_cast<size_t>(out.stride));
    return kAllocated;
}

}  // namespace vorrith
