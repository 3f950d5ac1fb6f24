#include "cli/render_job.h"

#include "cli/batch/render_worker.h"
#include "cli/batch/worker_batch.h"
#include "cli/describe/describe_job.h"
#include "cli/message_text.h"
#include "cli/output/destination_check.h"
#include "cli/sheets/sheet_job.h"
#include "core/canvas.h"
#include "present/frame_buffers.h"

namespace vorrith {

int RunRenderJob(const RenderOptions& options, bool showProgress) {
    CanvasInUse canvasInUse;
    if (!canvasInUse.ready()) return FailWith("not enough memory for the picture");
    if (options.describeNumber) return RunDescribeJob(*options.describeNumber);
    // Refused before anything is drawn.
    const std::string destinationError = PicturesDestinationProblem(options);
    if (!destinationError.empty()) return FailWith(destinationError);
    if (options.sheet) return RunSheetJob(options, showProgress);
    return RunWorkerBatch(options, showProgress, [&](int worker, int workers, const WorkerLink& link) {
        return RenderAssignedPictures(options, worker, workers, link);
    });
}

}  // namespace vorrith
