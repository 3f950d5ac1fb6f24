#include "cli/batch/worker_batch.h"

#include <algorithm>

#include "cli/batch/batch_pictures.h"
#include "cli/batch/batch_report.h"
#include "posix/interruption.h"
#include "posix/system_reason.h"

namespace vorrith {

int RunWorkerBatch(const RenderOptions& options, bool showProgress, const BatchWorkerBody& body,
                   const BatchShare& share) {
    const size_t pictures = PictureCount(options);
    const int wanted = options.jobs > 0 ? options.jobs : AvailableCores();
    const int workers = static_cast<int>(std::min<size_t>(static_cast<size_t>(wanted), pictures));
    BatchReport report(options, workers, showProgress, share.before, share.total);
    WorkerProcesses processes;
    const bool started =
        processes.Start(workers, [&](int worker, const WorkerLink& link) { return body(worker, workers, link); });
    if (!started || processes.Started() < workers) {
        report.Error("cannot start " + std::to_string(workers) +
                     " worker processes: " + SystemReason(processes.StartError()));
        processes.AskToStop();
    }
    WorkerEvents events;
    events.onMessage = [&](int worker, const WorkerMessage& message) {
        if (report.OnMessage(worker, message)) processes.AskToStop();
    };
    events.onEnd = [&](int worker, pid_t pid, int status) {
        if (report.OnEnd(worker, pid, status, InterruptionUnderway())) processes.AskToStop();
    };
    return report.Finish(processes.Supervise(events));
}

}  // namespace vorrith
