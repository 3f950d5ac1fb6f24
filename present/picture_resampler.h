// The picture at another size: wallpapers, thumbnails and anything else that every build
// (the renderer, the Windows program, the web page) must make with the same bytes. It
// is written in integer arithmetic alone, so no compiler or processor changes a byte.
//
//   PictureResampler resampler(RowsOf(canvas), {3840, 2160}, FitMode::kFill, ScaleFilter::kSmooth);
//   if (!resampler.ok()) ...;                   // the size is refused, or no memory
//   resampler.MakeRows(top, rows, out, stride); // any band of output rows, in any order
//
// ResamplePicture makes the whole output at once into a Surface.
//
// Filters (present/resampling_weights.h): kSmooth averages areas on an axis that
// shrinks and uses the Catmull-Rom cubic on one that grows; kNearest repeats or skips
// whole pixels. The axes are resampled one after the other: each source row an output
// row reads is first resampled across to the output's width (kept with 6 fraction bits),
// then those rows are weighed together, rounded to the nearest byte and clamped to
// 0 ... 255, as the cubic can overshoot. Output pixels the picture does not cover (a
// fit's bars) are black. At the picture's own scale (its own size, fit or fill, or a fit
// that leaves bars around it unscaled) its pixels come through byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/surface.h"
#include "present/picture_placement.h"
#include "present/resampling_weights.h"

namespace vorrith {

class PictureResampler {
public:
    // picture, at size as mode places it (present/picture_placement.h). picture's rows
    // must outlive the resampler.
    PictureResampler(const PixelRows& picture, PictureSize size, FitMode mode, ScaleFilter filter);
    // picture stretched over place, which may have another shape than the picture's or
    // reach beyond the output.
    PictureResampler(const PixelRows& picture, PictureSize size, const PixelRect& place, ScaleFilter filter);

    // false when the sizes are refused (an empty picture or place, an output side outside
    // 1 ... kLargestOutputSide) or memory ran out; MakeRows must not be called then.
    bool ok() const { return ok_; }
    PictureSize size() const { return size_; }

    // Fills output rows top ... top + rows - 1 (within the output) into out: row 0 of out
    // first, rows stride bytes apart, blue-green-red, size().width pixels each. Reads
    // only the source rows those rows cover; a source row resampled across for one output
    // row is kept for the next ones that read it. Not for two threads at once.
    void MakeRows(int top, int rows, uint8_t* out, size_t stride);

private:
    void MakeRow(int y, uint8_t* out);
    const int16_t* AcrossRow(int sourceRow);
    void ResampleAcross(int sourceRow, int16_t* across) const;

    PixelRows picture_;
    PictureSize size_;
    AxisWeights columns_;
    AxisWeights rows_;
    size_t coveredValues_ = 0;            // channel values of the covered part of an output row
    int keptRows_ = 0;                    // source rows kept resampled across: what one output row reads
    std::unique_ptr<int16_t[]> across_;   // keptRows_ rows, source row r in slot r % keptRows_
    std::unique_ptr<int32_t[]> keptRow_;  // the source row each slot holds, or -1
    std::unique_ptr<int32_t[]> rowSums_;  // one output row's sums
    bool ok_ = false;
};

// out (unallocated) becomes the picture at size, its row padding zero. kAllocated,
// kInvalidSize when the sizes are refused, or kOutOfMemory.
AllocateResult ResamplePicture(const PixelRows& picture, PictureSize size, FitMode mode, ScaleFilter filter,
                               Surface& out);

}  // namespace vorrith
