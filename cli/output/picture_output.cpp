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

OutputResult Encode(PictureFormat format, const Surface& picture, std::vector<uint8_t>& bytes) {
    if (format == PictureFormat::kPng) return EncodePng(RowsOf(picture), PngEffort::kSmallFile, bytes);
    bytes = EncodeBmp(picture);
    return OutputResult::Done();
}

FileReplaceResult WriteToStandardOutput(const std::vector<uint8_t>& bytes, const ReplaceObserver& observer) {
    const int error = WriteAll(STDOUT_FILENO, bytes.data(), bytes.size());
    if (error != 0) return {false, SystemReason(error)};
    if (observer.onReplaced) observer.onReplaced();
    return {};
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

OutputResult EncodeRequestedPicture(const RenderOptions& options, const Surface& picture,
                                    std::vector<uint8_t>& bytes) try {
    if (!options.size) return Encode(options.format, picture, bytes);
    Surface resized;
    const OutputResult resampled = ResamplePicture(picture, *options.size, options.fitMode, options.filter, resized);
    return resampled.ok() ? Encode(options.format, resized, bytes) : resampled;
} catch (const std::bad_alloc&) {
    return OutputResult::OutOfMemory();
}

std::string StorePicture(const std::string& destination, const std::vector<uint8_t>& bytes,
                         const ReplaceObserver& observer) {
    const FileReplaceResult result = destination == kStandardOutputName
                                         ? WriteToStandardOutput(bytes, observer)
                                         : ReplaceFileSafely(destination, bytes, observer);
    return result.ok ? "" : "cannot write " + DestinationInWords(destination) + ": " + result.reason;
}

std::string DestinationInWords(const std::string& destination) {
    return destination == kStandardOutputName ? "the standard output" : Quoted(destination);
}

}  // namespace vorrith
