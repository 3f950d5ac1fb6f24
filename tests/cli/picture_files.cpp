#include "tests/cli/picture_files.h"

#include <png.h>

#include <cstring>

namespace vorrith {
namespace {

uint32_t ReadLittleEndian(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

uint32_t ReadBigEndian(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

}  // namespace

DecodedPicture DecodePng(const std::string& bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    DecodedPicture picture;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return picture;
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return picture;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgb = std::move(rgb);
    return picture;
}

DecodedPicture DecodeBmp(const std::string& bytes) {
    DecodedPicture picture;
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) return picture;
    picture.width = static_cast<int>(ReadLittleEndian(bytes, 18));
    picture.height = static_cast<int>(ReadLittleEndian(bytes, 22));
    const size_t stride = (static_cast<size_t>(picture.width) * 3 + 3) & ~size_t{3};
    if (bytes.size() < 54 + stride * static_cast<size_t>(picture.height)) return {};
    picture.rgb.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    for (int y = 0; y < picture.height; ++y) {
        const char* row = bytes.data() + 54 + stride * static_cast<size_t>(picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            uint8_t* out = picture.rgb.data() + (static_cast<size_t>(y) * picture.width + x) * 3;
            out[0] = static_cast<uint8_t>(row[x * 3 + 2]);
            out[1] = static_cast<uint8_t>(row[x * 3 + 1]);
            out[2] = static_cast<uint8_t>(row[x * 3]);
        }
    }
    return picture;
}

std::vector<std::string> PngChunkTypes(const std::string& bytes) {
    std::vector<std::string> types;
    for (size_t at = 8; at + 8 <= bytes.size(); at += 12 + ReadBigEndian(bytes, at)) {
        types.push_back(bytes.substr(at + 4, 4));
    }
    return types;
}

}  // namespace vorrith
