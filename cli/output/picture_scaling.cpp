#include "cli/output/picture_scaling.h"

#include <memory>

namespace vorrith {

BandMaker ResamplingBands(const Surface& picture, PictureSize size, FitMode mode, ScaleFilter filter) {
    // Shared by the copies of the band maker; they make bands one after another.
    const auto resampler = std::make_shared<PictureResampler>(RowsOf(picture), size, mode, filter);
    return [resampler](int top, int rows, uint8_t* out, size_t stride) {
        if (!resampler->ok()) return OutputResult::OutOfMemory();
        resampler->MakeRows(top, rows, out, stride);
        return OutputResult::Done();
    };
}

}  // namespace vorrith
