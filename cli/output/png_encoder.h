// PNG files of 24-bit pictures, encoded losslessly with libpng: 8-bit RGB, no
// interlacing, and no colour-space chunks (gAMA, cHRM, iCCP, sRGB), so that every viewer
// shows the stored bytes as they are, the same colours as the BMP of the picture.
#pragma once

#include <cstdint>
#include <vector>

#include "cli/output/banded_picture.h"
#include "cli/output/output_result.h"
#include "core/surface.h"
#include "posix/descriptor_writer.h"

namespace vorrith {

// How hard zlib works. A picture takes a fraction of a second either way; a sheet of 1024
// thumbnails (80 MB of pixels, encoded by one process) takes 3.7 s less at kQuick, for a
// file 7% larger.
enum class PngEffort { kSmallFile, kQuick };

// bytes becomes the whole file. A failure of libpng carries libpng's own words.
OutputResult EncodePng(const PixelRows& picture, PngEffort effort, std::vector<uint8_t>& bytes);
// The file written to out as its bands are made. When a write to out fails, the result is
// a failure with no words of its own: out's error is the cause.
OutputResult EncodePng(const BandedPicture& picture, PngEffort effort, DescriptorWriter& out);

}  // namespace vorrith
