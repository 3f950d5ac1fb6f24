// BMP files of pictures made band by band: the headers, then the bands from the bottom
// of the picture up, as the format stores its rows.
#pragma once

#include "cli/output/banded_picture.h"
#include "cli/output/output_result.h"
#include "posix/descriptor_writer.h"

namespace vorrith {

// The file written to out. When a write to out fails, the result is a failure with no
// words of its own: out's error is the cause.
OutputResult WriteBmp(const BandedPicture& picture, DescriptorWriter& out);

}  // namespace vorrith
