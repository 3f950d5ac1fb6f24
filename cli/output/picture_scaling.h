// Pictures at the size --size asks for, made band by band for the encoders by the
// resampler every build shares (present/picture_resampler.h).
#pragma once

#include "cli/output/banded_picture.h"
#include "core/surface.h"
#include "present/picture_resampler.h"

namespace vorrith {

// Makes the rows of the picture at size, with black bars, a band at a time; picture must
// outlive it. The bands' heights change no byte.
BandMaker ResamplingBands(const Surface& picture, PictureSize size, FitMode mode, ScaleFilter filter);

}  // namespace vorrith
