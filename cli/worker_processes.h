// Spreads a batch over worker processes, one per core. The scene state is process-wide
// (one generator, one canvas), so pictures are drawn in parallel by separate processes,
// never by threads.
#pragma once

#include <cstddef>
#include <functional>

namespace vorrith {

// Calls work(i) for every i in 0 ... count - 1, worker w taking w, w + workers, ...
// Each worker starts from a copy of this process. onProgress(done) runs in this process
// after every finished item. The first failed item (work returns false) stops every
// worker; the result is then false. work must report its own error.
bool RunInWorkerProcesses(size_t count, int workers, const std::function<bool(size_t)>& work,
                          const std::function<void(size_t)>& onProgress);

// Cores available to this process, at least 1.
int AvailableCores();

}  // namespace vorrith
