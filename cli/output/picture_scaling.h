// Pictures at other sizes: where the 4:3 picture lands in an output of another shape,
// and the resampling itself (cairo's filters: a good one, or nearest-neighbour for crisp
// enlarged pixels). At the picture's own size the output is the picture, byte for byte.
#pragma once

#include "cli/options/render_options.h"
#include "cli/output/banded_picture.h"
#include "cli/output/output_result.h"
#include "core/surface.h"

namespace vorrith {

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

// The picture's rectangle in the output, centred, its shape kept (to the nearest pixel):
// inside the output (kFit; the rest are bars) or covering it (kFill; may start at a
// negative position and overhang on both sides evenly).
PixelRect PlacePicture(int pictureWidth, int pictureHeight, PictureSize output, FitMode mode);

// Makes the rows of the picture at size, with black bars, a band at a time; picture must
// outlive it. Each pixel is sampled on its own, so the bands' heights change nothing.
BandMaker ResamplingBands(const Surface& picture, PictureSize size, FitMode mode, ScaleFilter filter);

// out becomes the picture at size, with black bars.
OutputResult ResamplePicture(const Surface& picture, PictureSize size, FitMode mode, ScaleFilter filter, Surface& out);

}  // namespace vorrith
