#include "cli/batch/worker_processes.h"

#include <fcntl.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <thread>

#include "posix/descriptor_writer.h"
#include "posix/interruption.h"
#include "posix/safe_file_replacement.h"

namespace vorrith {

bool WorkerLink::Send(const WorkerMessage& message) const {
    return WriteAll(reportFd_, EncodeWorkerMessage(message) + "\n") == 0;
}

// The parent closes its end of the stop pipe to stop the workers; a worker then reads
// end-of-file there.
bool WorkerLink::StopRequested() const {
    char byte;
    return read(stopFd_, &byte, 1) == 0;
}

WorkerProcesses::WorkerProcesses() {
    int stop[2];
    if (pipe(stop) == 0) {
        stopRead_ = stop[0];
        stopWrite_ = stop[1];
        fcntl(stopRead_, F_SETFL, O_NONBLOCK);
    }
}

WorkerProcesses::~WorkerProcesses() {
    if (stopRead_ >= 0) close(stopRead_);
    if (stopWrite_ >= 0) close(stopWrite_);
    for (const Worker& worker : workers_) {
        if (worker.reportFd >= 0) close(worker.reportFd);
    }
}

bool WorkerProcesses::Start(int count, const std::function<int(int worker, const WorkerLink& link)>& body) {
    if (stopRead_ < 0) {
        startError_ = errno;
        return false;
    }
    CatchInterruptions();  // before the first fork, so no signal goes unseen
    std::fflush(nullptr);  // nothing buffered may be written twice
    for (int w = 0; w < count; ++w) {
        int report[2];
        if (pipe(report) != 0) {
            startError_ = errno;
            break;
        }
        const pid_t pid = fork();
        if (pid == 0) {
            close(report[0]);
            close(stopWrite_);
            for (const Worker& other : workers_) close(other.reportFd);  // their EOF must not wait for us
            ForgetTemporaryFile();
            EndOnInterruption();
            _exit(body(w, WorkerLink(report[1], stopRead_)));
        }
        if (pid < 0) startError_ = errno;
        close(report[1]);
        if (pid < 0) {
            close(report[0]);
            break;
        }
        workers_.push_back({pid, report[0], ""});
    }
    close(stopRead_);
    stopRead_ = -1;
    return !workers_.empty();
}

void WorkerProcesses::AskToStop() {
    if (stopWrite_ >= 0) close(stopWrite_);
    stopWrite_ = -1;
}

void WorkerProcesses::PassOnInterruption(int signal) {
    if (interruptionPassedOn_) return;
    interruptionPassedOn_ = true;
    AskToStop();
    for (const Worker& worker : workers_) {
        if (worker.reportFd >= 0) kill(worker.pid, signal);
    }
}

// Reads what the worker sent; false at its end (the pipe closed), after reaping it.
bool WorkerProcesses::ReadFrom(Worker& worker, int index, const WorkerEvents& events) {
    char buffer[4096];
    const ssize_t got = read(worker.reportFd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) return true;
    if (got > 0) {
        worker.pending.append(buffer, static_cast<size_t>(got));
        for (size_t end; (end = worker.pending.find('\n')) != std::string::npos;) {
            const auto message = DecodeWorkerMessage(worker.pending.substr(0, end));
            if (message) events.onMessage(index, *message);
            worker.pending.erase(0, end + 1);
        }
        return true;
    }
    close(worker.reportFd);
    worker.reportFd = -1;
    int status = 0;
    while (waitpid(worker.pid, &status, 0) < 0 && errno == EINTR) {}
    events.onEnd(index, worker.pid, status);
    return false;
}

int WorkerProcesses::Supervise(const WorkerEvents& events) {
    const sigset_t waitMask = WaitMask();
    size_t running = workers_.size();
    while (running > 0) {
        CollectPendingInterruption();
        if (CaughtInterruption() != 0) PassOnInterruption(CaughtInterruption());
        fd_set readable;
        FD_ZERO(&readable);
        int highest = -1;
        for (const Worker& worker : workers_) {
            if (worker.reportFd < 0) continue;
            FD_SET(worker.reportFd, &readable);
            if (worker.reportFd > highest) highest = worker.reportFd;
        }
        if (pselect(highest + 1, &readable, nullptr, nullptr, nullptr, &waitMask) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (size_t w = 0; w < workers_.size(); ++w) {
            Worker& worker = workers_[w];
            if (worker.reportFd >= 0 && FD_ISSET(worker.reportFd, &readable) &&
                !ReadFrom(worker, static_cast<int>(w), events)) {
                --running;
            }
        }
    }
    CollectPendingInterruption();
    return CaughtInterruption();
}

int AvailableCores() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(cores);
}

}  // namespace vorrith
