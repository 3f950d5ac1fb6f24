// The parent's account of a batch: it hears every worker's messages and end, keeps the
// progress line, prints each error as one whole line, and knows at the end how many
// pictures were written and what went wrong.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "cli/batch/status_line.h"
#include "cli/batch/worker_messages.h"
#include "cli/options/render_options.h"

namespace vorrith {

class BatchReport {
public:
    // before and total: as BatchShare's.
    BatchReport(const RenderOptions& options, int workers, bool showProgress, size_t before = 0, size_t total = 0);

    // Both return true when the batch should stop.
    bool OnMessage(int worker, const WorkerMessage& message);
    bool OnEnd(int worker, long pid, int waitStatus, bool interrupted);

    // The exit code after the batch: 0, 1 after a failure, 128 + signal when interrupted.
    int Finish(int interruption);
    // A line that is not about one picture (workers that could not start).
    void Error(const std::string& text);

private:
    struct WorkerState {
        size_t written = 0;
        bool reportedFailure = false;
        std::string temporaryName;  // its last temporary file, unless written since
        unsigned long long temporaryInode = 0;
    };
    void PrintRandomNumber(int imageNumber);
    std::string DeathMessage(int worker, long pid, int waitStatus) const;
    std::string UnwrittenPictures(int worker) const;

    const RenderOptions& options_;
    int workers_;
    size_t written_;
    size_t expected_;  // written_ once this batch is done
    size_t total_;
    bool failed_ = false;
    int stdoutError_ = 0;
    std::vector<WorkerState> states_;
    StatusLine status_;
};

}  // namespace vorrith
