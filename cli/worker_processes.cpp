#include "cli/worker_processes.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <thread>
#include <vector>

namespace vorrith {
namespace {

constexpr char kItemDone = '.';
constexpr char kItemFailed = 'x';

// The parent closes its end of the stop pipe when the batch has failed; a worker sees
// end-of-file there and stops between pictures, so no file is cut off half-written.
bool StopRequested(int stopFd) {
    char byte;
    return read(stopFd, &byte, 1) == 0;
}

[[noreturn]] void RunWorker(size_t first, size_t count, int workers, const std::function<bool(size_t)>& work,
                            int reportFd, int stopFd) {
    for (size_t i = first; i < count && !StopRequested(stopFd); i += static_cast<size_t>(workers)) {
        const bool ok = work(i);
        std::fflush(nullptr);
        const char report = ok ? kItemDone : kItemFailed;
        if (write(reportFd, &report, 1) != 1 || !ok) _exit(1);
    }
    _exit(0);
}

bool WaitForAll(const std::vector<pid_t>& children) {
    bool allSucceeded = true;
    for (pid_t child : children) {
        int status = 0;
        while (waitpid(child, &status, 0) < 0) {
        }
        allSucceeded = allSucceeded && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return allSucceeded;
}

}  // namespace

int AvailableCores() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(cores);
}

bool RunInWorkerProcesses(size_t count, int workers, const std::function<bool(size_t)>& work,
                          const std::function<void(size_t)>& onProgress) {
    int fds[2];
    int stop[2];
    if (pipe(fds) != 0) return false;
    if (pipe(stop) != 0 || fcntl(stop[0], F_SETFL, O_NONBLOCK) != 0) {
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    std::fflush(nullptr);  // nothing buffered may be written twice
    std::vector<pid_t> children;
    for (int w = 0; w < workers && static_cast<size_t>(w) < count; ++w) {
        const pid_t child = fork();
        if (child == 0) {
            close(fds[0]);
            close(stop[1]);
            RunWorker(static_cast<size_t>(w), count, workers, work, fds[1], stop[0]);
        }
        if (child < 0) break;
        children.push_back(child);
    }
    close(fds[1]);
    close(stop[0]);
    size_t done = 0;
    bool failed = children.empty();
    char report;
    while (read(fds[0], &report, 1) == 1) {
        if (report == kItemFailed) {
            failed = true;
            break;
        }
        onProgress(++done);
    }
    close(stop[1]);
    close(fds[0]);
    const bool allSucceeded = WaitForAll(children);
    return !failed && allSucceeded && done == count;
}

}  // namespace vorrith
