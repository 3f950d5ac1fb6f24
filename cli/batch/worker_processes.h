// Spreads a batch over worker processes, one per core. The scene state is process-wide
// (one generator, one canvas), so pictures are drawn in parallel by separate processes,
// never by threads.
//
// Each worker starts as a copy of this process and talks to it in messages, one line each
// (worker_messages.h), over a pipe of its own; only this process writes to the terminal,
// so lines never mix. Stopping is
// cooperative (a worker checks between items); an interruption (SIGINT, SIGTERM) is
// passed on to every worker, which ends at once.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "cli/batch/worker_messages.h"

namespace vorrith {

// A worker's end of the conversation.
class WorkerLink {
public:
    WorkerLink(int reportFd, int stopFd) : reportFd_(reportFd), stopFd_(stopFd) {}
    // False when the parent is gone.
    bool Send(const WorkerMessage& message) const;
    // True once the parent asked the workers to stop (or ended).
    bool StopRequested() const;

private:
    int reportFd_;
    int stopFd_;
};

struct WorkerEvents {
    std::function<void(int worker, const WorkerMessage& message)> onMessage;
    std::function<void(int worker, pid_t pid, int waitStatus)> onEnd;  // after its last message
};

class WorkerProcesses {
public:
    WorkerProcesses();
    ~WorkerProcesses();
    WorkerProcesses(const WorkerProcesses&) = delete;
    WorkerProcesses& operator=(const WorkerProcesses&) = delete;

    // Starts count workers; worker w runs body(w, link) and exits with its result.
    // False (with errno set) when no worker could be started.
    bool Start(int count, const std::function<int(int worker, const WorkerLink& link)>& body);
    int Started() const { return static_cast<int>(workers_.size()); }
    int StartError() const { return startError_; }  // errno of the failed pipe or fork
    // Relays the workers' messages until every worker has ended. Returns the signal that
    // interrupted the batch (after passing it on and waiting for the workers), or 0.
    int Supervise(const WorkerEvents& events);
    // Workers stop after the item they are on.
    void AskToStop();

private:
    struct Worker {
        pid_t pid;
        int reportFd;
        std::string pending;  // a line not yet complete
    };
    bool ReadFrom(Worker& worker, int index, const WorkerEvents& events);
    void PassOnInterruption(int signal);

    std::vector<Worker> workers_;
    int stopRead_ = -1;
    int stopWrite_ = -1;
    bool interruptionPassedOn_ = false;
    int startError_ = 0;
};

// Cores available to this process, at least 1.
int AvailableCores();

}  // namespace vorrith
