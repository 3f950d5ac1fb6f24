#include "cli/output/png_encoder.h"

#include <png.h>

#include <csetjmp>
#include <new>

namespace vorrith {
namespace {

void AppendBytes(png_structp png, png_bytep data, size_t length) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    bool stored = true;
    try {
        bytes->insert(bytes->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        stored = false;
    }
    if (!stored) png_error(png, "out of memory");  // outside the handler: it does not return
}

void NoFlush(png_structp) {}

// libpng reports errors by longjmp back here; nothing in this frame needs destroying.
bool WriteRows(png_structp png, png_infop info, const PixelRows& picture, int level, std::vector<uint8_t>* out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, out, AppendBytes, NoFlush);
    png_set_compression_level(png, level);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);  // the rows hold blue, green, red
    for (int y = 0; y < picture.height; ++y) {
        png_write_row(png, picture.pixels + static_cast<size_t>(y) * picture.stride);
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

std::vector<uint8_t> EncodePng(const PixelRows& picture, PngEffort effort) {
    const int level = effort == PngEffort::kQuick ? 3 : 6;  // zlib's levels; 6 is its default
    std::vector<uint8_t> bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    const bool written = info != nullptr && WriteRows(png, info, picture, level, &bytes);
    png_destroy_write_struct(&png, &info);
    if (!written) return {};
    return bytes;
}

std::vector<uint8_t> EncodePng(const Surface& surface) {
    return EncodePng(RowsOf(surface));
}

}  // namespace vorrith
