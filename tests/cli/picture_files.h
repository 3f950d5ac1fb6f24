// Reads the renderer's output files back for the tests: PNG through libpng's own
// decoder, BMP by its fixed layout, both as top-down rows of red, green, blue.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorrith {

struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // empty when the file could not be decoded

    const uint8_t* At(int x, int y) const { return rgb.data() + (static_cast<size_t>(y) * width + x) * 3; }
};

DecodedPicture DecodePng(const std::string& bytes);
DecodedPicture DecodeBmp(const std::string& bytes);

// The chunk types of a PNG file in order ("IHDR", "IDAT", ... "IEND").
std::vector<std::string> PngChunkTypes(const std::string& bytes);

}  // namespace vorrith
