#include "cli/output/picture_output.h"

#include <unistd.h>

#include <new>

#include "cli/message_text.h"
#include "cli/output/picture_scaling.h"
#include "cli/output/png_encoder.h"
#include "core/bmp_writer.h"
#include "posix/descriptor_writer.h"
#include "posix/system_reason.h"

namespace vorrith {
namespace {

std::vector<uint8_t> Encode(PictureFormat format, const Surface& picture) {
    return format == PictureFormat::kPng ? EncodePng(picture) : EncodeBmp(picture);
}

}  // namespace

std::string PictureFileName(PictureFormat format, int imageNumber) {
    const std::string bmpName = DefaultPictureName(imageNumber);
    if (format == PictureFormat::kBmp) return bmpName;
    return bmpName.substr(0, bmpName.rfind('.')) + ".png";
}

std::string DestinationFor(const RenderOptions& options, int imageNumber) {
    if (options.outputPath) return *options.outputPath;
    const std::string name = PictureFileName(options.format, imageNumber);
    if (!options.outputFolder) return name;
    const std::string& folder = *options.outputFolder;
    return (folder.back() == '/' ? folder : folder + "/") + name;
}

std::vector<uint8_t> EncodeRequestedPicture(const RenderOptions& options, const Surface& picture) try {
    if (!options.size) return Encode(options.format, picture);
    Surface resized;
    if (!ResamplePicture(picture, *options.size, options.fitMode, options.filter, resized)) return {};
    return Encode(options.format, resized);
} catch (const std::bad_alloc&) {
    return {};
}

FileReplaceResult StorePicture(const std::string& destination, const std::vector<uint8_t>& bytes,
                               const ReplaceObserver& observer) {
    if (destination != kStandardOutputName) return ReplaceFileSafely(destination, bytes, observer);
    const int error = WriteAll(STDOUT_FILENO, bytes.data(), bytes.size());
    if (error != 0) return {false, SystemReason(error)};
    if (observer.onReplaced) observer.onReplaced();
    return {};
}

std::string DestinationInWords(const std::string& destination) {
    return destination == kStandardOutputName ? "the standard output" : Quoted(destination);
}

}  // namespace vorrith
