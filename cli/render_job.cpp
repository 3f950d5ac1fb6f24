#include "cli/render_job.h"

#include <unistd.h>

#include "cli/batch/render_worker.h"
#include "cli/batch/worker_batch.h"
#include "cli/describe/plan_description.h"
#include "cli/message_text.h"
#include "cli/output/destination_check.h"
#include "cli/sheets/sheet_job.h"
#include "core/canvas.h"
#include "posix/descriptor_writer.h"
#include "posix/system_reason.h"
#include "present/frame_buffers.h"

namespace vorrith {
namespace {

// Refuses, before anything is drawn, a destination that cannot be written.
std::string CheckDestination(const RenderOptions& options) {
    if (WritesToStandardOutput(options)) {
        return isatty(STDOUT_FILENO) ? "will not write a picture to a terminal: redirect the standard output" : "";
    }
    if (options.outputPath) return DestinationProblem(*options.outputPath);
    return OutputFolderProblem(options.outputFolder.value_or("."));
}

int Describe(int imageNumber) {
    const int error = WriteAll(STDOUT_FILENO, DescribeScenePlan(imageNumber));
    return error == 0 ? 0 : FailWith("cannot print the description: " + SystemReason(error));
}

class FrameBuffersInUse {
public:
    FrameBuffersInUse() : ready_(CreateFrameBuffers(kPictureWidth, kPictureHeight, 0) != 0) {}
    ~FrameBuffersInUse() { DestroyFrameBuffers(); }
    bool ready() const { return ready_; }

private:
    bool ready_;
};

}  // namespace

int RunRenderJob(const RenderOptions& options, bool showProgress) {
    FrameBuffersInUse buffers;
    if (!buffers.ready()) return FailWith("not enough memory for the picture");
    if (options.describeNumber) return Describe(*options.describeNumber);
    const std::string destinationError = CheckDestination(options);
    if (!destinationError.empty()) return FailWith(destinationError);
    if (options.sheet) return RunSheetJob(options, showProgress);
    return RunWorkerBatch(options, showProgress, [&](int worker, int workers, const WorkerLink& link) {
        return RenderAssignedPictures(options, worker, workers, link);
    });
}

}  // namespace vorrith
