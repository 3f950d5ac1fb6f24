#include "cli/batch/render_worker.h"

#include "cli/output/picture_output.h"
#include "core/canvas.h"
#include "posix/safe_file_replacement.h"
#include "scene/scene_driver.h"

namespace vorrith {
namespace {

// Writes the picture drawn; an error message, or "".
std::string WritePicture(const RenderOptions& options, int imageNumber, const WorkerLink& link) {
    const std::string written = "D " + std::to_string(imageNumber);
    if (options.dryRun) {
        link.Send(written);
        return "";
    }
    const std::string destination = DestinationFor(options, imageNumber);
    ReplaceObserver observer;
    observer.onCreated = [&](const std::string& name, unsigned long long inode) {
        link.Send("T " + std::to_string(inode) + " " + name);
    };
    observer.onReplaced = [&] { link.Send(written); };
    const std::vector<uint8_t> bytes = EncodeRequestedPicture(options, canvas);
    if (bytes.empty()) return "not enough memory for the picture at the size asked for";
    const FileReplaceResult result = StorePicture(destination, bytes, observer);
    return result.ok ? "" : "cannot write " + DestinationInWords(destination) + ": " + result.reason;
}

}  // namespace

void ForEachPicture(const RenderOptions& options, const std::function<bool(int)>& visit) {
    if (options.randomImage) {
        visit(kRandomImage);
    } else {
        options.imageNumbers.ForEach(visit);
    }
}

size_t PictureCount(const RenderOptions& options) {
    return options.randomImage ? 1 : options.imageNumbers.Count();
}

bool IsAssigned(size_t pictureIndex, int worker, int workers) {
    return pictureIndex % static_cast<size_t>(workers) == static_cast<size_t>(worker);
}

std::string DestinationFor(const RenderOptions& options, int imageNumber) {
    if (options.outputPath) return *options.outputPath;
    const std::string name = PictureFileName(options.format, imageNumber);
    if (!options.outputFolder) return name;
    const std::string& folder = *options.outputFolder;
    return (folder.back() == '/' ? folder : folder + "/") + name;
}

int DrawAssignedPictures(const RenderOptions& options, int worker, int workers, const WorkerLink& link,
                         const DrawnPictureAction& action) {
    int exitCode = 0;
    size_t index = 0;
    ForEachPicture(options, [&](int imageNumber) {
        if (!IsAssigned(index++, worker, workers)) return true;
        if (link.StopRequested() || !link.Send("S " + std::to_string(imageNumber))) return false;
        GenerateScene(imageNumber, nullptr);
        const std::string error = action(imageNumber, index - 1);
        if (error.empty()) return true;
        link.Send("E " + error);
        exitCode = 1;
        return false;
    });
    return exitCode;
}

int RenderAssignedPictures(const RenderOptions& options, int worker, int workers, const WorkerLink& link) {
    return DrawAssignedPictures(options, worker, workers, link,
                                [&](int imageNumber, size_t) { return WritePicture(options, imageNumber, link); });
}

}  // namespace vorrith
