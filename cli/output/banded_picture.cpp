#include "cli/output/banded_picture.h"

#include <algorithm>
#include <new>

namespace vorrith {

BandedPicture Banded(int width, int height, BandMaker make) {
    const size_t rowBytes = static_cast<size_t>(std::max(width, 1)) * 3;
    const int rows = static_cast<int>(
        std::min<size_t>(static_cast<size_t>(std::max(height, 1)), std::max<size_t>(1, kBandBytes / rowBytes)));
    return {width, height, rows, std::move(make)};
}

const uint8_t* BandedRows::Row(int y) {
    const size_t stride = static_cast<size_t>(picture_.width) * 3;
    const int band = picture_.bandRows;
    if (bandTop_ < 0 || y < bandTop_ || y >= bandTop_ + band) {
        bandTop_ = y / band * band;
        try {
            band_.resize(stride * static_cast<size_t>(band));
        } catch (const std::bad_alloc&) {
            failure_ = OutputResult::OutOfMemory();
            return nullptr;
        }
        failure_ = picture_.make(bandTop_, std::min(band, picture_.height - bandTop_), band_.data(), stride);
        if (!failure_.ok()) {
            bandTop_ = -1;
            return nullptr;
        }
    }
    return band_.data() + static_cast<size_t>(y - bandTop_) * stride;
}

}  // namespace vorrith
