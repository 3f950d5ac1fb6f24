#include "cli/output/png_encoder.h"

#include <png.h>

#include <csetjmp>
#include <new>
#include <string>

namespace vorrith {
namespace {

// What the encoding made and, when it failed, why; libpng's callbacks reach it through
// its io and error pointers.
struct PngOutput {
    std::vector<uint8_t>* bytes = nullptr;
    bool outOfMemory = false;
    std::string error;    // libpng's words
    std::string warning;  // its last warning, which often says more ("Image width is zero")
};

// Keeps libpng's words for the message, which libpng would otherwise print on stderr.
void Keep(png_structp png, std::string PngOutput::*field, png_const_charp message) {
    auto* output = static_cast<PngOutput*>(png_get_error_ptr(png));
    try {
        output->*field = message;
    } catch (const std::bad_alloc&) {
        output->outOfMemory = true;
    }
}

// Ends the encoding back at WriteRows's setjmp.
[[noreturn]] void KeepError(png_structp png, png_const_charp message) {
    Keep(png, &PngOutput::error, message);
    png_longjmp(png, 1);
}

void KeepWarning(png_structp png, png_const_charp message) { Keep(png, &PngOutput::warning, message); }

void AppendBytes(png_structp png, png_bytep data, size_t length) {
    auto* output = static_cast<PngOutput*>(png_get_io_ptr(png));
    try {
        output->bytes->insert(output->bytes->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        output->outOfMemory = true;
    }
    if (output->outOfMemory) png_error(png, "out of memory");  // outside the handler: it does not return
}

void NoFlush(png_structp) {}

// libpng reports errors by longjmp back here; nothing in this frame needs destroying.
bool WriteRows(png_structp png, png_infop info, const PixelRows& picture, int level, PngOutput* output) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, output, AppendBytes, NoFlush);
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

OutputResult EncodePng(const PixelRows& picture, PngEffort effort, std::vector<uint8_t>& bytes) {
    const int level = effort == PngEffort::kQuick ? 3 : 6;  // zlib's levels; 6 is its default
    bytes.clear();
    PngOutput output;
    output.bytes = &bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &output, KeepError, KeepWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    const bool made = info != nullptr;
    const bool written = made && WriteRows(png, info, picture, level, &output);
    png_destroy_write_struct(&png, &info);
    if (written) return OutputResult::Done();
    bytes.clear();
    if (!made || output.outOfMemory) return OutputResult::OutOfMemory();
    const std::string warning = output.warning.empty() ? "" : " (" + output.warning + ")";
    return OutputResult::Failed("libpng cannot encode the picture: " + output.error + warning);
}

}  // namespace vorrith
