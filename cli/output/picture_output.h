// What a drawn picture becomes and where it goes: resampled to the size asked for,
// encoded as BMP or PNG, and stored through the safe file replacement, or written to the
// standard output for -o -.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/options/render_options.h"
#include "cli/output/output_result.h"
#include "core/surface.h"
#include "posix/safe_file_replacement.h"

namespace vorrith {

// "Vorrith12345.Bmp", or "Vorrith12345.png" for a batch in PNG.
std::string PictureFileName(PictureFormat format, int imageNumber);

// Where picture imageNumber goes: -o's name, or its own name in --out-dir or here.
std::string DestinationFor(const RenderOptions& options, int imageNumber);

// bytes becomes the file of the picture at the size and in the format asked for.
OutputResult EncodeRequestedPicture(const RenderOptions& options, const Surface& picture, std::vector<uint8_t>& bytes);

// Stores bytes at destination ("-": the standard output); observer as for
// ReplaceFileSafely. "", or the one-line message naming the destination and the cause.
std::string StorePicture(const std::string& destination, const std::vector<uint8_t>& bytes,
                         const ReplaceObserver& observer);

// "'sky.png'", or "the standard output".
std::string DestinationInWords(const std::string& destination);

}  // namespace vorrith
