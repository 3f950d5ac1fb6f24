#include "cli/output/picture_output.h"

#include <unistd.h>

#include "cli/message_text.h"
#include "cli/output/bmp_stream.h"
#include "cli/output/picture_scaling.h"
#include "cli/output/png_encoder.h"
#include "core/bmp_writer.h"
#include "posix/descriptor_writer.h"

namespace vorrith {
namespace {

FileReplaceResult WriteToStandardOutput(const ContentWriter& contents, const ReplaceObserver& observer) {
    const FileReplaceResult result = WriteContents(STDOUT_FILENO, contents);
    if (result.ok && observer.onReplaced) observer.onReplaced();
    return result;
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

ContentWriter EncodedContents(const BandedPicture& picture, PictureFormat format, PngEffort effort,
                              const std::string& memoryText) {
    return [picture, format, effort, memoryText](DescriptorWriter& out) {
        const OutputResult written =
            format == PictureFormat::kPng ? EncodePng(picture, effort, out) : WriteBmp(picture, out);
        return written.ok() ? std::string() : written.Message(memoryText);
    };
}

ContentWriter RequestedPictureContents(const RenderOptions& options, const Surface& picture) {
    const PictureSize size = options.size.value_or(PictureSize{picture.width, picture.height});
    const BandMaker bands = ResamplingBands(picture, size, options.fitMode, options.filter);
    return EncodedContents(Banded(size.width, size.height, bands), options.format, PngEffort::kSmallFile,
                           "not enough memory for the picture at the size asked for");
}

std::string StorePicture(const std::string& destination, const ContentWriter& contents,
                         const ReplaceObserver& observer) {
    const FileReplaceResult result = destination == kStandardOutputName
                                         ? WriteToStandardOutput(contents, observer)
                                         : ReplaceFileSafely(destination, contents, observer);
    return result.ok ? "" : "cannot write " + DestinationInWords(destination) + ": " + result.reason;
}

std::string DestinationInWords(const std::string& destination) {
    return destination == kStandardOutputName ? "the standard output" : Quoted(destination);
}

}  // namespace vorrith
