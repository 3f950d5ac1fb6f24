#include "xsaver/stop_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace vorrith {
namespace {

static_assert(ControlWord::is_always_lock_free, "the signal handler stores the control word");

ControlWord* stoppedControl = nullptr;
int wakePipe[2] = {-1, -1};

void StopOnSignal(int) {
    const int savedErrno = errno;
    stoppedControl->store(kStopRequest);
    const char byte = 1;
    if (write(wakePipe[1], &byte, 1) < 0) {
        // the pipe is full: it is readable already
    }
    errno = savedErrno;
}

}  // namespace

bool StopOnSignals(ControlWord& control) {
    if (wakePipe[0] < 0 && pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    stoppedControl = &control;
    struct sigaction action {};
    action.sa_handler = StopOnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
    return true;
}

int StopSignalFd() { return wakePipe[0]; }

}  // namespace vorrith
