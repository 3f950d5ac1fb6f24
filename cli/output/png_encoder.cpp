#include "cli/output/png_encoder.h"

#include <png.h>

#include <csetjmp>
#include <functional>
#include <new>
#include <string>

namespace vorrith {
namespace {

// What the encoding made and, when it failed, why; libpng's callbacks reach it through
// its io and error pointers.
struct PngOutput {
    std::function<bool(const uint8_t*, size_t)> append;  // false: out of memory, or out's write failed
    std::function<const uint8_t*(int y)> row;            // null: the row could not be made
    bool outOfMemory = false;
    bool stopped = false;  // by a failed write or row, whose cause is kept elsewhere
    std::string error;     // libpng's words
    std::string warning;   // its last warning, which often says more ("Image width is zero")
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
    if (!output->append(data, length)) {
        output->stopped = true;
        png_error(png, "stopped");
    }
}

void NoFlush(png_structp) {}

// libpng reports errors by longjmp back here; nothing in this frame needs destroying.
bool WriteRows(png_structp png, png_infop info, int width, int height, int level, PngOutput* output) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, output, AppendBytes, NoFlush);
    png_set_compression_level(png, level);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);  // the rows hold blue, green, red
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = output->row(y);
        if (row == nullptr) {
            output->stopped = true;
            return false;
        }
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    return true;
}

// Encodes the rows output gives; Done, or why not (a stop's cause is the caller's to give).
OutputResult Encode(int width, int height, PngEffort effort, PngOutput& output) {
    const int level = effort == PngEffort::kQuick ? 3 : 6;  // zlib's levels; 6 is its default
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &output, KeepError, KeepWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    const bool made = info != nullptr;
    const bool written = made && WriteRows(png, info, width, height, level, &output);
    png_destroy_write_struct(&png, &info);
    if (written) return OutputResult::Done();
    if (!made || output.outOfMemory) return OutputResult::OutOfMemory();
    const std::string warning = output.warning.empty() ? "" : " (" + output.warning + ")";
    return OutputResult::Failed("libpng cannot encode the picture: " + output.error + warning);
}

}  // namespace

OutputResult EncodePng(const PixelRows& picture, PngEffort effort, std::vector<uint8_t>& bytes) {
    bytes.clear();
    PngOutput output;
    output.append = [&](const uint8_t* data, size_t length) {
        try {
            bytes.insert(bytes.end(), data, data + length);
            return true;
        } catch (const std::bad_alloc&) {
            output.outOfMemory = true;
            return false;
        }
    };
    output.row = [&](int y) { return picture.pixels + static_cast<size_t>(y) * picture.stride; };
    const OutputResult result = Encode(picture.width, picture.height, effort, output);
    if (!result.ok()) bytes.clear();
    return result;
}

OutputResult EncodePng(const BandedPicture& picture, PngEffort effort, DescriptorWriter& out) {
    BandedRows rows(picture);
    PngOutput output;
    output.append = [&](const uint8_t* data, size_t length) { return out.Write(data, length); };
    output.row = [&](int y) { return rows.Row(y); };
    const OutputResult result = Encode(picture.width, picture.height, effort, output);
    if (result.ok() || !output.stopped) return result;
    return rows.failure().ok() ? OutputResult::Failed("") : rows.failure();  // "": out's error is the cause
}

}  // namespace vorrith
