#include "cli/batch/render_worker.h"

#include "cli/batch/batch_pictures.h"
#include "cli/output/picture_output.h"
#include "core/canvas.h"
#include "posix/safe_file_replacement.h"
#include "scene/scene_driver.h"

namespace vorrith {
namespace {

// Writes the picture drawn; an error message, or "".
std::string WritePicture(const RenderOptions& options, int imageNumber, const WorkerLink& link) {
    if (options.dryRun) {
        link.Send(WorkerMessage::Done(imageNumber));
        return "";
    }
    ReplaceObserver observer;
    observer.onCreated = [&](const std::string& name, unsigned long long inode) {
        link.Send(WorkerMessage::TemporaryFile(inode, name));
    };
    observer.onReplaced = [&] { link.Send(WorkerMessage::Done(imageNumber)); };
    return StorePicture(DestinationFor(options, imageNumber), RequestedPictureContents(options, Canvas), observer);
}

}  // namespace

int DrawAssignedPictures(const RenderOptions& options, int worker, int workers, const WorkerLink& link,
                         const DrawnPictureAction& action) {
    int exitCode = 0;
    size_t index = 0;
    ForEachPicture(options, [&](int imageNumber) {
        if (!IsAssigned(index++, worker, workers)) return true;
        if (link.StopRequested() || !link.Send(WorkerMessage::Started(imageNumber))) return false;
        GenerateScene(imageNumber, nullptr);
        const std::string error = action(imageNumber, index - 1);
        if (error.empty()) return true;
        link.Send(WorkerMessage::Failed(error));
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
