// BMP files: a Surface stored as an uncompressed 24-bit bottom-up Windows bitmap with
// 54 bytes of headers, each row copied with its padding (921,654 bytes for 640 x 480).
//
// EncodeBmp: the whole file's bytes, which each platform stores through its safe file
// replacement (core/file_replacement.h); the picture library itself writes no file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/surface.h"

namespace vorrith {

constexpr int kBmpHeadersSize = 54;

std::vector<uint8_t> EncodeBmp(const Surface& surface);
// For a file written a band at a time: the headers of a width x height picture, and the
// bytes each row takes in the file (padded to a multiple of four). Rows follow the
// headers bottom-up.
std::vector<uint8_t> BmpHeaderBytes(int width, int height);
int BmpRowBytes(int width);
// The name a picture is saved under unless the user gives one: "Vorrith12345.Bmp".
std::string DefaultPictureName(int imageNumber);

}  // namespace vorrith
