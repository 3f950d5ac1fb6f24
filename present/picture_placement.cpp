#include "present/picture_placement.h"

#include <algorithm>
#include <cstdint>

namespace vorrith {
namespace {

// numerator / denominator rounded to the nearest integer, at least 1.
int RoundedQuotient(int64_t numerator, int64_t denominator) {
    return static_cast<int>(std::max<int64_t>(1, (2 * numerator + denominator) / (2 * denominator)));
}

}  // namespace

bool IsOutputSize(PictureSize size) {
    return size.width >= 1 && size.height >= 1 && size.width <= kLargestOutputSide && size.height <= kLargestOutputSide;
}

PixelRect PlacePicture(int pictureWidth, int pictureHeight, PictureSize output, FitMode mode) {
    const int64_t outputWidthScaled = int64_t{output.width} * pictureHeight;
    const int64_t outputHeightScaled = int64_t{output.height} * pictureWidth;
    // The side that limits: for a fit the relatively shorter one, for a fill the longer.
    const bool widthLimits =
        mode == FitMode::kFit ? outputWidthScaled <= outputHeightScaled : outputWidthScaled >= outputHeightScaled;
    PixelRect place{};
    if (widthLimits) {
        place.width = output.width;
        place.height = RoundedQuotient(int64_t{output.width} * pictureHeight, pictureWidth);
    } else {
        place.height = output.height;
        place.width = RoundedQuotient(int64_t{output.height} * pictureWidth, pictureHeight);
    }
    place.left = (output.width - place.width) / 2;
    place.top = (output.height - place.height) / 2;
    return place;
}

}  // namespace vorrith
