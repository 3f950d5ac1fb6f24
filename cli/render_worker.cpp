#include "cli/render_worker.h"

#include "cli/file_replacement_posix.h"
#include "cli/message_text.h"
#include "core/bmp_writer.h"
#include "core/canvas.h"
#include "scene/scene_driver.h"

namespace vorrith {
namespace {

// Draws one picture and writes it; an error message, or "".
std::string RenderAndWrite(const RenderOptions& options, int imageNumber, const WorkerLink& link) {
    GenerateScene(imageNumber, nullptr);
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
    const FileReplaceResult result = ReplaceFileSafely(destination, EncodeBmp(canvas), observer);
    return result.ok ? "" : "cannot write " + Quoted(destination) + ": " + result.reason;
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
    if (!options.outputFolder) return DefaultPictureName(imageNumber);
    const std::string& folder = *options.outputFolder;
    return (folder.back() == '/' ? folder : folder + "/") + DefaultPictureName(imageNumber);
}

int RenderAssignedPictures(const RenderOptions& options, int worker, int workers, const WorkerLink& link) {
    int exitCode = 0;
    size_t index = 0;
    ForEachPicture(options, [&](int imageNumber) {
        if (!IsAssigned(index++, worker, workers)) return true;
        if (link.StopRequested() || !link.Send("S " + std::to_string(imageNumber))) return false;
        const std::string error = RenderAndWrite(options, imageNumber, link);
        if (error.empty()) return true;
        link.Send("E " + error);
        exitCode = 1;
        return false;
    });
    return exitCode;
}

}  // namespace vorrith
