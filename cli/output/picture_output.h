// What a drawn picture becomes and where it goes: resampled to the size asked for,
// encoded as BMP or PNG, and stored through the safe file replacement, or written to the
// standard output for -o -.
#pragma once

#include <string>

#include "cli/options/render_options.h"
#include "cli/output/banded_picture.h"
#include "cli/output/output_result.h"
#include "cli/output/png_encoder.h"
#include "core/surface.h"
#include "posix/safe_file_replacement.h"

namespace vorrith {

// "Vorrith12345.Bmp", or "Vorrith12345.png" for a batch in PNG.
std::string PictureFileName(PictureFormat format, int imageNumber);

// Where picture imageNumber goes: -o's name, or its own name in --out-dir or here.
std::string DestinationFor(const RenderOptions& options, int imageNumber);

// The file of a banded picture in format, encoded as it is written; memoryText is the
// cause when memory runs out.
ContentWriter EncodedContents(const BandedPicture& picture, PictureFormat format, PngEffort effort,
                              const std::string& memoryText);

// The file of the picture at the size and in the format asked for, resampled and encoded
// band by band as it is written; picture must outlive it.
ContentWriter RequestedPictureContents(const RenderOptions& options, const Surface& picture);

// Stores what contents produces at destination ("-": the standard output); observer as
// for ReplaceFileSafely. "", or the one-line message naming the destination and the cause.
std::string StorePicture(const std::string& destination, const ContentWriter& contents,
                         const ReplaceObserver& observer);

// "'sky.png'", or "the standard output".
std::string DestinationInWords(const std::string& destination);

}  // namespace vorrith
