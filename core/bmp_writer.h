// BMP files: a Surface stored as an uncompressed 24-bit bottom-up Windows bitmap with
// 54 bytes of headers, each row copied with its padding (921,654 bytes for 640 x 480).
//
// EncodeBmp: the whole file's bytes, for a platform's safe file replacement
// (core/file_replacement.h).
//
// WriteBmp: 0 when the file was written and closed; -1 when it cannot be opened
// (nothing written); -2 when a write or the close fails, in which case the partial
// file is removed (unless the name is not a regular file, such as a device).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/surface.h"

namespace vorrith {

constexpr int kBmpHeadersSize = 54;

std::vector<uint8_t> EncodeBmp(const Surface& surface);
int WriteBmp(const Surface& surface, const std::string& fileName);
// The name a picture is saved under unless the user gives one: "Vorrith12345.Bmp".
std::string DefaultPictureName(int imageNumber);
// WriteBmp of the canvas.
int SaveCanvasBmp(const std::string& fileName);

}  // namespace vorrith
