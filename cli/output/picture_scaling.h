// Pictures at other sizes, resampled with cairo's filters (a good one, or nearest-neighbour
// for crisp enlarged pixels) where present/picture_placement.h places them. At the
// picture's own size the output is the picture, byte for byte.
#pragma once

#include "cli/options/render_options.h"
#include "cli/output/banded_picture.h"
#include "cli/output/output_result.h"
#include "core/surface.h"

namespace vorrith {

// Makes the rows of the picture at size, with black bars, a band at a time; picture must
// outlive it. Each pixel is sampled on its own, so the bands' heights change nothing.
BandMaker ResamplingBands(const Surface& picture, PictureSize size, FitMode mode, ScaleFilter filter);

// out becomes the picture at size, with black bars.
OutputResult ResamplePicture(const Surface& picture, PictureSize size, FitMode mode, ScaleFilter filter, Surface& out);

}  // namespace vorrith
