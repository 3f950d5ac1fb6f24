// Runs a batch's pictures in worker processes, one per core unless --jobs says otherwise,
// with the parent's account of it: progress on a terminal, each error as one line, an
// interruption passed on to the workers.
#pragma once

#include <cstddef>
#include <functional>

#include "cli/batch/worker_processes.h"
#include "cli/options/render_options.h"

namespace vorrith {

// Where a batch lies in a larger whole drawn batch by batch (a sheet's bands): the
// pictures done before it and in all, for the progress line and its messages.
struct BatchShare {
    size_t before = 0;
    size_t total = 0;  // 0: the batch is the whole
};

// A worker's whole life: worker w of workers; its exit code.
using BatchWorkerBody = std::function<int(int worker, int workers, const WorkerLink& link)>;

// The exit code: 0 when every picture was done; 1 after a failure; 128 + the signal.
int RunWorkerBatch(const RenderOptions& options, bool showProgress, const BatchWorkerBody& body,
                   const BatchShare& share = {});

}  // namespace vorrith
