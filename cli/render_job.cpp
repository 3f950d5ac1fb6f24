#include "cli/render_job.h"

#include <unistd.h>

#include <algorithm>

#include "cli/batch_report.h"
#include "cli/destination_check.h"
#include "cli/interruption.h"
#include "cli/message_text.h"
#include "cli/plan_description.h"
#include "cli/render_worker.h"
#include "cli/worker_processes.h"
#include "core/canvas.h"
#include "present/frame_buffers.h"

namespace vorrith {
namespace {

int Fail(const std::string& text) {
    WriteAll(STDERR_FILENO, "vorrith-render: error: " + text + "\n");
    return 1;
}

// Refuses, before anything is drawn, a destination that cannot be written.
std::string CheckDestination(const RenderOptions& options) {
    if (options.outputPath) return DestinationProblem(*options.outputPath);
    return OutputFolderProblem(options.outputFolder.value_or("."));
}

int Describe(int imageNumber) {
    const int error = WriteAll(STDOUT_FILENO, DescribeScenePlan(imageNumber));
    return error == 0 ? 0 : Fail("cannot print the description: " + SystemReason(error));
}

class FrameBuffersInUse {
public:
    FrameBuffersInUse() : ready_(CreateFrameBuffers(kPictureWidth, kPictureHeight, 0) != 0) {}
    ~FrameBuffersInUse() { DestroyFrameBuffers(); }
    bool ready() const { return ready_; }

private:
    bool ready_;
};

int RenderBatch(const RenderOptions& options, bool showProgress) {
    const size_t pictures = PictureCount(options);
    const int wanted = options.jobs > 0 ? options.jobs : AvailableCores();
    const int workers = static_cast<int>(std::min<size_t>(static_cast<size_t>(wanted), pictures));
    BatchReport report(options, workers, showProgress);
    WorkerProcesses processes;
    const bool started = processes.Start(workers, [&](int worker, const WorkerLink& link) {
        return RenderAssignedPictures(options, worker, workers, link);
    });
    if (!started || processes.Started() < workers) {
        report.Error("cannot start " + std::to_string(workers) + " worker processes: " +
                     SystemReason(processes.StartError()));
        processes.AskToStop();
    }
    WorkerEvents events;
    events.onLine = [&](int worker, const std::string& line) {
        if (report.OnLine(worker, line)) processes.AskToStop();
    };
    events.onEnd = [&](int worker, pid_t pid, int status) {
        if (report.OnEnd(worker, pid, status, InterruptionUnderway())) processes.AskToStop();
    };
    return report.Finish(processes.Supervise(events));
}

}  // namespace

int RunRenderJob(const RenderOptions& options, bool showProgress) {
    FrameBuffersInUse buffers;
    if (!buffers.ready()) return Fail("not enough memory for the picture");
    if (options.describeNumber) return Describe(*options.describeNumber);
    const std::string destinationError = CheckDestination(options);
    if (!destinationError.empty()) return Fail(destinationError);
    return RenderBatch(options, showProgress);
}

}  // namespace vorrith
